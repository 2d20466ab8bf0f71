#pragma once
// A code module seen through a command: every call is passed on, and the edits are noted, so
// that the command can say whether it changed the module whichever host holds it.

#include "host/vbide/CodeModule.h"

namespace engine {

class ModuloVigilado final : public vbide::CodeModule {
public:
    explicit ModuloVigilado(vbide::CodeModule& m) : m_(m) {}
    bool Editado() const { return editado_; }

    std::string Name() const override { return m_.Name(); }
    std::string Lines(long start, long count) const override { return m_.Lines(start, count); }
    std::string_view Line(long line) const override { return m_.Line(line); }
    long CountOfLines() const override { return m_.CountOfLines(); }
    long CountOfDeclarationLines() const override { return m_.CountOfDeclarationLines(); }
    void InsertLines(long line, const std::string& text) override {
        m_.InsertLines(line, text);
        editado_ = true;
    }
    void DeleteLines(long start, long count) override {
        m_.DeleteLines(start, count);
        editado_ = true;
    }
    void ReplaceLine(long line, const std::string& text) override {
        m_.ReplaceLine(line, text);
        editado_ = true;
    }
    void AddFromString(const std::string& text) override {
        m_.AddFromString(text);
        editado_ = true;
    }
    long ProcStartLine(const std::string& name, vbide::ProcKind kind) const override {
        return m_.ProcStartLine(name, kind);
    }
    long ProcCountLines(const std::string& name, vbide::ProcKind kind) const override {
        return m_.ProcCountLines(name, kind);
    }
    long ProcBodyLine(const std::string& name, vbide::ProcKind kind) const override {
        return m_.ProcBodyLine(name, kind);
    }
    std::string ProcOfLine(long line, vbide::ProcKind* kind) const override {
        return m_.ProcOfLine(line, kind);
    }
    bool Find(const std::string& target, long& startLine, long& startCol, long& endLine,
              long& endCol, bool wholeWord, bool matchCase, bool patternSearch) override {
        return m_.Find(target, startLine, startCol, endLine, endCol, wholeWord, matchCase,
                       patternSearch);
    }
    vbide::Members& Members() override { return m_.Members(); }
    vbide::CodePane& CodePane() override { return m_.CodePane(); }

private:
    vbide::CodeModule& m_;
    bool editado_ = false;
};

} // namespace engine
