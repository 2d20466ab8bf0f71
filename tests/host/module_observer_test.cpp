// The edits a host follows: each edit told before and after with its lines, and a module put
// back exactly as it was (hidden attribute lines, a missing final break) from a snapshot.
#include "host/files/CodeModuleMem.h"
#include "host/files/ModuleFile.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Registro : files::ObservadorCodigo {
    std::vector<std::string> visto;
    void AntesDeCambiar(files::CodeModuleMem& m) override {
        visto.push_back("antes " + std::to_string(m.CountOfLines()));
    }
    void Cambiado(files::CodeModuleMem& m, long primera, long quitadas, long puestas) override {
        visto.push_back(std::to_string(primera) + " -" + std::to_string(quitadas) + " +" +
                        std::to_string(puestas) + " = " + std::to_string(m.CountOfLines()));
    }
};

files::CodeModuleMem& Code(files::ModuleFile& f) {
    return dynamic_cast<files::CodeModuleMem&>(f.Code());
}

TEST(ModuleObserver, EveryEditIsToldBeforeAndAfterWithItsLines) {
    auto f = files::ModuleFile::Parse("Attribute VB_Name = \"M\"\r\na\r\nb\r\n", "M.bas", 1252);
    Registro r;
    auto& cm = Code(*f);
    cm.Observa(&r);
    cm.InsertLines(2, "x\r\ny");
    cm.ReplaceLine(1, "z");
    cm.DeleteLines(2, 2);
    cm.AddFromString("Dim q");
    EXPECT_EQ(r.visto,
              (std::vector<std::string>{"antes 2", "2 -0 +2 = 4", "antes 4", "1 -1 +1 = 4",
                                        "antes 4", "2 -2 +0 = 2", "antes 2", "3 -0 +1 = 3"}));
    cm.Observa(nullptr);
    cm.ReplaceLine(1, "w");
    EXPECT_EQ(r.visto.size(), 8u);
}

TEST(ModuleObserver, SnapshotPutsEveryByteBack) {
    const std::string bytes = "VERSION 1.0 CLASS\r\nAttribute VB_Name = \"C\"\r\n"
                              "Option Explicit\r\n"
                              "Public Property Get Item() As Long\r\n"
                              "Attribute Item.VB_UserMemId = 0\r\n"
                              "    Item = 1\r\n"
                              "End Property\r\n"
                              "Sub Fin()\nEnd Sub"; // LF line and no final break
    auto f = files::ModuleFile::Parse(bytes, "C.cls", 1252);
    auto& cm = Code(*f);
    const auto foto = cm.Toma();
    cm.DeleteLines(2, 3); // the attribute waits for its header
    cm.InsertLines(1, "' nuevo\r\n");
    cm.ReplaceLine(cm.CountOfLines(), "End Function");
    ASSERT_NE(f->Serialize(), bytes);
    Registro r;
    cm.Observa(&r);
    cm.Restaura(foto);
    EXPECT_EQ(f->Serialize(), bytes);
    EXPECT_EQ(cm.ProcBodyLine("Item", vbide::ProcKind::Get), 2);
    EXPECT_EQ(cm.ProcOfLine(5), "Fin");
    EXPECT_EQ(r.visto, (std::vector<std::string>{"antes 5", "1 -5 +6 = 6"}));
    EXPECT_FALSE(cm.Modified()) << "back to the lines it was loaded with";
    cm.ReplaceLine(1, "' otra");
    EXPECT_TRUE(cm.Modified());
    const auto cambiado = cm.Toma();
    cm.MarkSaved();
    cm.Restaura(foto);
    EXPECT_TRUE(cm.Modified()) << "the loaded lines are no longer the saved ones";
    cm.Restaura(cambiado);
    EXPECT_FALSE(cm.Modified());
}

} // namespace
