// Opening projects and groups: what the model shows of them, and what it says about bad input.

#include "host/files/Project.h"
#include "host/files/Vbe.h"

#include "base/plataforma/Proceso.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using vbide::ComponentType;

namespace {

const fs::path kData = fs::path(LINTRAP_SOURCE_DIR) / "tests" / "data" / "host" / "projects";

// Runs `open` and returns the error it raised; fails the test when it raised none.
template <typename F> ErrorVB RaisedBy(F open) {
    try {
        open();
    } catch (const ErrorVB& error) {
        return error;
    }
    ADD_FAILURE() << "no error raised";
    return ErrorVB(0, "", "");
}

TEST(ProjectLoad, EveryKindOfComponentInProjectOrder) {
    auto vbe = files::Vbe::Open(kData / "Completo" / "Completo.vbp");
    EXPECT_TRUE(vbe->LoadProblems().empty());
    auto& components = vbe->ActiveVBProject()->VBComponents();
    struct Expected {
        std::string name;
        ComponentType type;
    };
    // "MODULO.BAS" and "sub\Clase.cls" are Windows paths: found ignoring case, either separator.
    std::vector<Expected> expected = {
        {"Principal", ComponentType::VBForm},
        {"Modulo", ComponentType::StdModule},
        {"Clase", ComponentType::ClassModule},
        {"Comun", ComponentType::StdModule},
        {"Se\xF1"
         "ales",
         ComponentType::StdModule},
        {"Control", ComponentType::UserControl},
        {"Pagina", ComponentType::PropPage},
        {"Documento", ComponentType::DocObject},
        {"Disenador", ComponentType::ActiveXDesigner},
        {"Notas.txt", ComponentType::RelatedDocument},
        {"Recursos.res", ComponentType::ResFile},
    };
    ASSERT_EQ(components.Count(), long(expected.size()));
    for (long i = 1; i <= components.Count(); ++i) {
        EXPECT_EQ(components.Item(i).Name(), expected[i - 1].name) << i;
        EXPECT_EQ(components.Item(i).Type(), expected[i - 1].type) << i;
    }
}

TEST(ProjectLoad, ComponentLookupAndWhatEachKindOffers) {
    auto vbe = files::Vbe::Open(kData / "Completo" / "Completo.vbp");
    auto& components = vbe->ActiveVBProject()->VBComponents();

    // Case folds over the code page's letters too: "SEÑALES" finds "Señales".
    EXPECT_EQ(components
                  .Item("SE\xD1"
                        "ALES")
                  .Name(),
              "Se\xF1"
              "ales");
    EXPECT_EQ(components.Item("mODULO").Name(), "Modulo");
    EXPECT_EQ(RaisedBy([&] { components.Item("NoExiste"); }).Number, 9);
    EXPECT_EQ(RaisedBy([&] { components.Item(0L); }).Number, 9);
    EXPECT_EQ(RaisedBy([&] { components.Item(components.Count() + 1); }).Number, 9);

    EXPECT_EQ(components.Item("Modulo").Designer(), nullptr);
    EXPECT_EQ(components.Item("Clase").Designer(), nullptr);
    auto* designer = components.Item("Principal").Designer();
    ASSERT_NE(designer, nullptr);
    EXPECT_EQ(designer->VBControls().Count(), 1);
    EXPECT_GT(components.Item("Comun").CodeModule().CountOfLines(), 0);

    // Resource files and related documents have no code.
    EXPECT_EQ(RaisedBy([&] { components.Item("Recursos.res").CodeModule(); }).Number, 91);
    EXPECT_EQ(RaisedBy([&] { components.Item("Notas.txt").CodeModule(); }).Number, 91);
    EXPECT_EQ(components.Item("Notas.txt").Designer(), nullptr);
}

TEST(ProjectLoad, ProjectKeysAndReferences) {
    auto vbe = files::Vbe::Open(kData / "Completo" / "Completo.vbp");
    auto* project = vbe->Active();
    EXPECT_EQ(project->Name(), "Completo");
    EXPECT_EQ(project->Description(), "Todas las clases de componente: a\xF1o, se\xF1"
                                      "al");
    EXPECT_EQ(project->Title(), "Completo de prueba");
    EXPECT_EQ(project->Version(), "2.7.31");
    EXPECT_EQ(project->Value("CondComp"), "DEPURAR = 1");
    // Keys of another tool's section are not the project's.
    EXPECT_EQ(project->Value("AutoRefresh"), "");

    auto& refs = project->References();
    ASSERT_EQ(refs.Count(), 4);
    auto& stdole = refs.Item(1);
    EXPECT_EQ(stdole.Name(), "stdole2");
    EXPECT_EQ(stdole.Guid(), "{00020430-0000-0000-C000-000000000046}");
    EXPECT_EQ(stdole.Major(), 2);
    EXPECT_EQ(stdole.Minor(), 0);
    EXPECT_EQ(stdole.FullPath(), "..\\..\\..\\..\\Windows\\SysWOW64\\stdole2.tlb");
    // Versions are hexadecimal: "1.a" is 1.10.
    auto& scrrun = refs.Item("SCRRUN");
    EXPECT_EQ(scrrun.Major(), 1);
    EXPECT_EQ(scrrun.Minor(), 10);
    EXPECT_EQ(scrrun.FullPath(), "C:\\Windows\\SysWOW64\\scrrun.dll");
    // A reference to another project is resolved to that project's file.
    auto& other = refs.Item("Primero");
    EXPECT_EQ(other.Guid(), "");
    EXPECT_EQ(fs::path(other.FullPath()),
              fs::canonical(kData / "Grupo" / "Primero" / "Primero.vbp"));
    auto& control = refs.Item(4);
    EXPECT_EQ(control.Name(), "MSCOMCTL");
    EXPECT_EQ(control.Guid(), "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}");
    EXPECT_EQ(control.Major(), 2);
    EXPECT_EQ(RaisedBy([&] { refs.Item("Excel"); }).Number, 9);
}

TEST(ProjectLoad, GroupMakesItsStartupProjectActive) {
    auto vbe = files::Vbe::Open(kData / "Grupo" / "Grupo.vbg");
    EXPECT_TRUE(vbe->LoadProblems().empty());
    auto& projects = vbe->VBProjects();
    ASSERT_EQ(projects.Count(), 2);
    EXPECT_EQ(projects.Item(1).Name(), "Primero");
    EXPECT_EQ(projects.Item(2).Name(), "Segundo");
    EXPECT_EQ(vbe->ActiveVBProject()->Name(), "Segundo");
    EXPECT_EQ(projects.Item(1).VBComponents().Item("calculo").Type(), ComponentType::ClassModule);
    EXPECT_EQ(RaisedBy([&] { projects.Item(3); }).Number, 9);
    EXPECT_EQ(vbe->CommandBars(), nullptr);
    EXPECT_EQ(vbe->Events(), nullptr);

    files::Vbe empty;
    EXPECT_EQ(empty.ActiveVBProject(), nullptr);
    EXPECT_EQ(empty.VBProjects().Count(), 0);
}

TEST(ProjectLoad, MissingModuleIsReportedAndTheRestLoads) {
    auto vbe = files::Vbe::Open(kData / "FaltaModulo" / "FaltaModulo.vbp");
    auto problems = vbe->LoadProblems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].Number, 53);
    EXPECT_NE(problems[0].Description.find("FaltaModulo.vbp, línea 3"), std::string::npos)
        << problems[0].Description;
    EXPECT_NE(problems[0].Description.find("Ausente.bas"), std::string::npos);
    auto& components = vbe->ActiveVBProject()->VBComponents();
    ASSERT_EQ(components.Count(), 2);
    EXPECT_EQ(components.Item(1).Name(), "Presente");
    EXPECT_EQ(components.Item(2).Name(), "Clase");
}

TEST(ProjectLoad, BadProjectFilesNameFileAndLine) {
    struct Case {
        std::string file;
        long number;
        std::string where;
    };
    std::vector<Case> cases = {
        {"Binario.vbp", 321, "Binario.vbp, línea 3:"},
        {"Vacio.vbp", 321, "Vacio.vbp, línea 1:"},
        {"Texto.vbp", 321, "Texto.vbp, línea 1:"},
        {"SiMismo.vbg", 321, "SiMismo.vbg, línea 2:"},
        {"NoHay.vbp", 53, "NoHay.vbp"},
    };
    for (const auto& c : cases) {
        auto error = RaisedBy([&] { files::Vbe::Open(kData / "malos" / c.file); });
        EXPECT_EQ(error.Number, c.number) << c.file;
        EXPECT_NE(error.Description.find(c.where), std::string::npos) << error.Description;
    }
}

TEST(ProjectLoad, GroupWithAMissingProjectOpensTheOthers) {
    auto vbe = files::Vbe::Open(kData / "malos" / "Perdido.vbg");
    auto problems = vbe->LoadProblems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].Number, 53);
    EXPECT_NE(problems[0].Description.find("Perdido.vbg, línea 3"), std::string::npos);
    ASSERT_EQ(vbe->VBProjects().Count(), 1);
    EXPECT_EQ(vbe->ActiveVBProject()->Name(), "Primero");
}

} // namespace

// Code read when first used must be the code read with the project: same components, same
// problems, same lines, controls and bytes, for every test project (bad ones included).
TEST(ProjectLoad, CodeReadWhenUsedMatchesCodeReadAtOnce) {
    int compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kData)) {
        if (entry.path().extension() != ".vbp") {
            continue;
        }
        std::unique_ptr<files::Project> now, later;
        try {
            now = files::Project::Load(entry.path());
        } catch (const ErrorVB& e) {
            auto again = RaisedBy(
                [&] { files::Project::Load(entry.path(), 1252, files::CodeLoading::WhenUsed); });
            EXPECT_EQ(again.Description, e.Description);
            continue;
        }
        later = files::Project::Load(entry.path(), 1252, files::CodeLoading::WhenUsed);
        ASSERT_EQ(later->LoadProblems().size(), now->LoadProblems().size()) << entry.path();
        for (std::size_t i = 0; i < now->LoadProblems().size(); ++i) {
            EXPECT_EQ(later->LoadProblems()[i].Description, now->LoadProblems()[i].Description);
        }
        ASSERT_EQ(later->ComponentCount(), now->ComponentCount()) << entry.path();
        for (std::size_t i = 0; i < now->ComponentCount(); ++i) {
            files::Component& a = now->ComponentAt(i);
            files::Component& b = later->ComponentAt(i);
            EXPECT_EQ(b.Name(), a.Name());
            EXPECT_EQ(b.Type(), a.Type());
            ASSERT_EQ(b.HasCode(), a.HasCode());
            EXPECT_EQ(b.Bytes(), a.Bytes()) << b.Name(); // read back before any use
            if (!a.HasCode()) {
                continue;
            }
            auto& ca = a.CodeModule();
            auto& cb = b.CodeModule();
            ASSERT_EQ(cb.CountOfLines(), ca.CountOfLines()) << b.Name();
            if (ca.CountOfLines() > 0) {
                EXPECT_EQ(cb.Lines(1, cb.CountOfLines()), ca.Lines(1, ca.CountOfLines()));
            }
            ASSERT_EQ(b.Designer() != nullptr, a.Designer() != nullptr);
            if (a.Designer()) {
                EXPECT_EQ(b.Designer()->VBControls().Count(), a.Designer()->VBControls().Count());
            }
            ++compared;
        }
    }
    EXPECT_GT(compared, 10);
}

// A module file replaced between the load and the first use of its code is not taken for the
// one the project listed.
TEST(ProjectLoad, CodeChangedOnDiskBeforeFirstUseIsRefused) {
    fs::path dir =
        fs::temp_directory_path() / ("lintrap-diferido-" + std::to_string(plataforma::IdProceso()));
    fs::remove_all(dir);
    fs::copy(kData / "Linux", dir, fs::copy_options::recursive);
    auto project = files::Project::Load(dir / "Linux.vbp", 1252, files::CodeLoading::WhenUsed);
    files::Component* module = project->Find("Utf8");
    ASSERT_NE(module, nullptr);
    std::ofstream(module->File(), std::ios::app) << "' otra línea\n";
    auto error = RaisedBy([&] { module->CodeModule(); });
    EXPECT_EQ(error.Number, 58);
    EXPECT_NE(error.Description.find("Utf8.bas"), std::string::npos) << error.Description;
    fs::remove_all(dir);
}

// Large files: a module is named from its first lines, a form whose designer runs past them is
// read whole to be named, and what is wrong further down is found when the code is first used,
// with the message a load would have given.
TEST(ProjectLoad, LargeModulesAreNamedFromTheirHeadAndCheckedWhenUsed) {
    fs::path dir =
        fs::temp_directory_path() / ("lintrap-cabeza-" + std::to_string(plataforma::IdProceso()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::string code;
    for (int p = 0; p < 800; ++p) {
        code += "Public Sub P" + std::to_string(p) + "()\r\n    x = " + std::to_string(p) +
                "\r\nEnd Sub\r\n";
    }
    std::ofstream(dir / "Grande.bas", std::ios::binary)
        << "Attribute VB_Name = \"Largo\"\r\n" + code;
    std::string controls;
    for (int c = 0; c < 600; ++c) {
        controls += "   Begin VB.Label Etiqueta" + std::to_string(c) +
                    "\r\n      Caption = \"x\"\r\n   End\r\n";
    }
    std::ofstream(dir / "Ventana.frm", std::ios::binary)
        << "VERSION 5.00\r\nBegin VB.Form Ventana\r\n" + controls +
               "End\r\nAttribute VB_Name = \"Ventana\"\r\n" + code;
    std::string broken = "Attribute VB_Name = \"Roto\"\r\n" + code;
    broken[broken.size() / 2] = '\0';
    std::ofstream(dir / "Roto.bas", std::ios::binary) << broken;
    std::ofstream(dir / "P.vbp", std::ios::binary)
        << "Type=Exe\r\nModule=Largo; Grande.bas\r\nForm=Ventana.frm\r\nModule=Roto; Roto.bas\r\n";

    auto now = files::Project::Load(dir / "P.vbp");
    auto later = files::Project::Load(dir / "P.vbp", 1252, files::CodeLoading::WhenUsed);
    ASSERT_EQ(now->LoadProblems().size(), 1u);
    EXPECT_TRUE(later->LoadProblems().empty());
    ASSERT_EQ(later->ComponentCount(), 3u);
    EXPECT_EQ(later->ComponentAt(0).Name(), "Largo");
    EXPECT_EQ(later->ComponentAt(1).Name(), "Ventana");
    EXPECT_EQ(later->ComponentAt(1).Type(), ComponentType::VBForm);
    EXPECT_EQ(later->ComponentAt(2).Name(), "Roto");
    for (std::size_t i = 0; i < 2; ++i) {
        auto& a = now->ComponentAt(i).CodeModule();
        auto& b = later->ComponentAt(i).CodeModule();
        ASSERT_EQ(b.CountOfLines(), a.CountOfLines());
        EXPECT_EQ(b.Lines(1, b.CountOfLines()), a.Lines(1, a.CountOfLines()));
    }
    EXPECT_EQ(later->ComponentAt(1).Designer()->VBControls().Count(),
              now->ComponentAt(1).Designer()->VBControls().Count());
    auto error = RaisedBy([&] { later->ComponentAt(2).CodeModule(); });
    EXPECT_EQ(error.Description, now->LoadProblems()[0].Description);
    fs::remove_all(dir);
}
