#include "host/files/DesignerTree.h"

#include "base/ErrorVB.h"
#include "host/files/ModuleError.h"
#include "host/files/ModuleSyntax.h"

namespace files {

using namespace syntax;

namespace {

// A property value as the inspector shows it.
std::string ShownValue(std::string_view v) {
    v = TrimBlanks(v);
    bool quoted = false;
    for (size_t i = 0; i < v.size(); ++i) {
        if (v[i] == '"') {
            quoted = !quoted;
        } else if (!quoted && v[i] == '\'') {
            v = TrimBlanks(v.substr(0, i));
            break;
        }
    }
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') {
        std::string out;
        bool plain = true;
        for (size_t i = 1; i + 1 < v.size(); ++i) {
            if (v[i] == '"') {
                if (i + 2 < v.size() && v[i + 1] == '"') {
                    out += '"'; // "" inside a string is one quote
                    ++i;
                } else {
                    plain = false; // "Form1.frx":0000 and the like stay as written
                    break;
                }
            } else {
                out += v[i];
            }
        }
        if (plain) {
            return out;
        }
    }
    return std::string(v);
}

// The class without its library: "CommandButton" for "VB.CommandButton".
std::string ShortClass(std::string_view cls) {
    if (!cls.empty() && cls.front() == '{') {
        return std::string(cls);
    }
    size_t dot = cls.rfind('.');
    return std::string(dot == std::string_view::npos ? cls : cls.substr(dot + 1));
}

} // namespace

std::string PropertyGroups::FullName(uint32_t g, std::string_view leaf) const {
    std::vector<const std::string*> names;
    for (; g != kNone; g = groups[g].parent) {
        names.push_back(&groups[g].name);
    }
    std::string full;
    for (auto it = names.rbegin(); it != names.rend(); ++it) {
        full += **it;
        full += '.';
    }
    full += leaf;
    return full;
}

vbide::Property& DesignerProperties::Item(long index) {
    if (index < 1 || index > Count()) {
        throw ErrorVB(vberr::SubscriptOutOfRange, "Properties",
                      "No hay propiedad número " + std::to_string(index) + " (el control tiene " +
                          std::to_string(Count()) + ")");
    }
    return items_[static_cast<size_t>(index - 1)];
}

vbide::Property& DesignerProperties::Item(const std::string& name) {
    for (DesignerProperty& p : items_) {
        if (SameWord(p.Name(), name)) {
            return p;
        }
    }
    throw ErrorVB(vberr::SubscriptOutOfRange, "Properties",
                  "El control no tiene la propiedad \"" + name + "\"");
}

vbide::VBControl& DesignerControls::Item(long index) {
    if (index < 1 || index > Count()) {
        throw ErrorVB(vberr::SubscriptOutOfRange, "VBControls",
                      "No hay control número " + std::to_string(index) + " (hay " +
                          std::to_string(Count()) + ")");
    }
    return *items_[static_cast<size_t>(index - 1)];
}

size_t DesignerTree::Parse(const std::vector<std::string_view>& lines, size_t first,
                           size_t lineBase, const std::string& path) {
    struct Open {
        DesignerControl* control; // null for the root
        size_t line;
        std::vector<uint32_t> groups; // open BeginProperty groups, in groups_
        std::vector<size_t> groupLines;
    };
    std::vector<Open> stack;
    {
        std::string_view rest = TrimBlanks(lines[first]);
        NextWord(rest);
        rootClass_ = std::string(NextWord(rest));
        stack.push_back({nullptr, first, {}, {}});
    }
    for (size_t i = first + 1; i < lines.size(); ++i) {
        std::string_view t = TrimBlanks(lines[i]);
        std::string_view rest = t;
        std::string_view w = NextWord(rest);
        Open& top = stack.back();
        if (SameWord(w, "Begin")) {
            std::string_view cls = NextWord(rest);
            std::string_view name = NextWord(rest);
            DesignerControl& c = controls_.Add(ShortClass(cls));
            c.Props().Add("Name", std::string(name));
            stack.push_back({&c, i, {}, {}});
        } else if (SameWord(w, "BeginProperty")) {
            const uint32_t parent = top.groups.empty() ? PropertyGroups::kNone : top.groups.back();
            top.groups.push_back(static_cast<uint32_t>(groups_.groups.size()));
            groups_.groups.push_back({parent, std::string(NextWord(rest))});
            top.groupLines.push_back(i);
        } else if (SameWord(w, "EndProperty")) {
            if (top.groups.empty()) {
                BadModule(path, lineBase + i, "EndProperty sin BeginProperty");
            }
            top.groups.pop_back();
            top.groupLines.pop_back();
        } else if (SameWord(w, "End") && rest.empty()) {
            if (!top.groups.empty()) {
                BadModule(path, lineBase + top.groupLines.back(),
                          "el grupo \"BeginProperty " +
                              groups_.FullName(groups_.groups[top.groups.back()].parent,
                                               groups_.groups[top.groups.back()].name) +
                              "\" no se cierra (falta EndProperty)");
            }
            stack.pop_back();
            if (stack.empty()) {
                return i;
            }
        } else if (size_t eq = t.find('='); eq != std::string_view::npos) {
            const uint32_t group = top.groups.empty() ? PropertyGroups::kNone : top.groups.back();
            (top.control ? top.control->Props() : root_)
                .Add(std::string(TrimBlanks(t.substr(0, eq))), ShownValue(t.substr(eq + 1)),
                     &groups_, group);
        }
    }
    const Open& open = stack.back();
    BadModule(path, lineBase + open.line,
              "el bloque \"" + std::string(TrimBlanks(lines[open.line])) +
                  "\" no se cierra (falta End)");
}

} // namespace files
