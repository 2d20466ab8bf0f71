// The environment over IDispatch (host/com) against the stand-in environment: what the add-in
// reads and writes through it is what it reads and writes over the same files directly; errors
// keep their numbers; text outside ASCII crosses UTF-16 and back; and nothing is left alive.
// The menu entry through it is driven end to end in tests/dll.

#include "base/CodePage.h"
#include "host/com/Despacho.h"
#include "host/com/VBECom.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Codigo.h"
#include "tests/support/Errores.h"
#include "tests/support/Proyectos.h"
#include "tests/support/Tabla.h"
#include "tests/support/com/EntornoCom.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

namespace fs = std::filesystem;

// Everything the add-in reads of an environment, as text, with the errors of the calls that fail
// (whose numbers are the model's, tests/host).
std::string Describe(vbide::VBE& vbe) {
    std::ostringstream s;
    const auto falla = [&s](const auto& f) {
        const ErrorVB e = soporte::Lanzado(f);
        s << "! " << e.Number << ' ' << e.Description << '\n';
    };
    auto& proyectos = vbe.VBProjects();
    falla([&] { proyectos.Item(proyectos.Count() + 1); });
    for (long p = 1; p <= proyectos.Count(); ++p) {
        auto& pr = proyectos.Item(p);
        s << "P " << pr.Name() << '|' << pr.Description() << '\n';
        auto& refs = pr.References();
        falla([&] { refs.Item("NoExiste"); });
        for (long i = 1; i <= refs.Count(); ++i) {
            auto& r = refs.Item(i);
            s << "R " << r.Name() << '|' << r.Guid() << '|' << r.Major() << '.' << r.Minor() << '|'
              << r.FullPath() << (&refs.Item(r.Name()) == &r) << '\n';
        }
        auto& comps = pr.VBComponents();
        falla([&] { comps.Item("NoExiste"); });
        falla([&] { comps.Item(comps.Count() + 1); });
        for (long i = 1; i <= comps.Count(); ++i) {
            auto& c = comps.Item(i);
            s << "C " << c.Name() << ' ' << int(c.Type()) << (&comps.Item(c.Name()) == &c) << '\n';
            try {
                auto& m = c.CodeModule();
                s << m.Name() << ' ' << m.CountOfLines() << ' ' << m.CountOfDeclarationLines();
                for (long l = 1; l <= m.CountOfLines(); ++l) {
                    vbide::ProcKind k{};
                    const std::string proc = m.ProcOfLine(l, &k);
                    s << '\n' << l << ' ' << m.Line(l) << " @" << proc << ' ' << int(k);
                }
                s << '\n' << m.Lines(1, m.CountOfLines()).size() << '\n';
                falla([&] { m.Lines(m.CountOfLines() + 1, 1); });
                falla([&] { m.ProcStartLine("NoExiste", vbide::ProcKind::Proc); });
                auto& miembros = m.Members();
                for (long i = 1; i <= miembros.Count(); ++i) {
                    auto& x = miembros.Item(i);
                    s << "M " << x.Name() << ' ' << int(x.Type()) << ' ' << x.CodeLocation();
                    if (x.Type() == vbide::MemberType::Method ||
                        x.Type() == vbide::MemberType::Property) {
                        vbide::ProcKind k{};
                        m.ProcOfLine(x.CodeLocation(), &k);
                        s << ' ' << m.ProcStartLine(x.Name(), k) << ' '
                          << m.ProcCountLines(x.Name(), k) << ' ' << m.ProcBodyLine(x.Name(), k);
                    }
                    s << (&miembros.Item(x.Name()) == &x) << '\n';
                }
                falla([&] { miembros.Item("NoExiste"); });
                long a = 1, b = 1, e = -1, f = -1;
                s << "F " << m.Find("end", a, b, e, f) << a << ' ' << b << ' ' << e << ' ' << f
                  << '\n';
            } catch (const ErrorVB& e) {
                s << "! " << e.Number << '\n';
            }
            if (auto* d = c.Designer()) {
                auto& controles = d->VBControls();
                for (long k = 1; k <= controles.Count(); ++k) {
                    auto& props = controles.Item(k).Properties();
                    s << "K " << controles.Item(k).ClassName();
                    for (long i = 1; i <= props.Count(); ++i) {
                        s << ' ' << props.Item(i).Name() << '=';
                        try {
                            s << props.Item(i).Value();
                        } catch (const ErrorVB& e) {
                            s << '!' << e.Number;
                        }
                    }
                    s << '\n';
                }
            }
        }
    }
    if (auto* activo = vbe.ActiveVBProject()) {
        s << "A " << activo->Name() << '\n';
    }
    return s.str();
}

// Text of the test (UTF-8) as the project's bytes.
std::string Cp(const std::string& utf8) {
    return *codepage::DesdeUtf8(utf8);
}

// A project with names and code outside ASCII.
fs::path Acentos(const fs::path& carpeta) {
    return soporte::EscribeProyecto(
        carpeta,
        {{"Senal.bas", Cp("Attribute VB_Name = \"Señal\"\nOption Explicit\n' Canción: ñandú\n"
                          "Public Sub Añade(ByVal año As Long)\n    Debug.Print \"é\"\n"
                          "End Sub\n")}},
        Cp("Module=Señal; Senal.bas\n"));
}

// The example project, a project or group of tests/data/host/projects, or the one with accents,
// copied or written into `carpeta`.
fs::path Proyecto(const std::string& nombre, const fs::path& carpeta) {
    if (nombre == "Demo") {
        return soporte::CopiaDemo(carpeta);
    }
    if (nombre == "Acentos") {
        return Acentos(carpeta);
    }
    const fs::path copia =
        soporte::Copia(soporte::Datos("host/projects/" + nombre), carpeta / nombre);
    return copia / (nombre + (nombre == "Grupo" ? ".vbg" : ".vbp"));
}

// Everything the add-in reads of a project through the environment, and the number and text of
// every error, is what the files say.
TEST(Com, ReadsAsTheFiles) {
    for (const char* nombre : {"Demo", "Completo", "Grupo", "Acentos"}) {
        SCOPED_TRACE(nombre);
        soporte::Carpeta carpeta;
        const fs::path ruta = Proyecto(nombre, carpeta.Ruta());
        const std::string directo = Describe(*files::Vbe::Open(ruta));
        falso::Entorno entorno(ruta);
        EXPECT_EQ(Describe(*hostcom::AbreVBE(entorno.VBE(), 1252)), directo);
        EXPECT_GT(directo.size(), 200u);
    }
    EXPECT_EQ(falso::ObjetosVivos(), 0);
}

// What a failing call of the environment becomes: tests/data/com/errores.txt.
TEST(Com, FailuresBecomeErrorsWithTheirNumber) {
    for (const auto& c : soporte::Tabla("com/errores.txt")) {
        const auto hex = [](const std::string& t) { return LONG(std::stoul(t, nullptr, 16)); };
        EXCEPINFO info{};
        info.wCode = WORD(std::stoi(c.at(1)));
        info.scode = hex(c.at(2));
        const bool excepcion = hex(c.at(0)) == DISP_E_EXCEPTION;
        info.bstrDescription = excepcion ? ::SysAllocString(L"Índice") : nullptr;
        const ErrorVB e = hostcom::ErrorDeLlamada(hex(c.at(0)), info, "CodeModule.Lines");
        EXPECT_EQ(e.Number, std::stol(c.at(3))) << c.at(0);
        // the environment's text, or one naming the call
        EXPECT_NE(e.Description.find(excepcion ? "Índice" : "CodeModule.Lines"), std::string::npos);
        EXPECT_EQ(e.Source, "CodeModule.Lines");
    }
}

// Edits (the engine's four) with text outside ASCII reach the file as the code page's bytes, names
// are found in any case; with nothing open there is no project and no menu to add to.
TEST(Com, EditsAndNothingOpen) {
    {
        soporte::Carpeta carpeta;
        falso::Entorno entorno(Acentos(carpeta.Ruta()));
        auto vbe = hostcom::AbreVBE(entorno.VBE(), 1252);
        auto& comps = vbe->ActiveVBProject()->VBComponents();
        auto& m = comps.Item(Cp("SEÑAL")).CodeModule();
        EXPECT_EQ(&comps.Item(Cp("señal")).CodeModule(), &m);
        // the same edits over the files directly
        soporte::Carpeta otra;
        auto directo = files::Vbe::Open(Acentos(otra.Ruta()));
        for (vbide::CodeModule* c :
             {&m, &directo->ActiveVBProject()->VBComponents().Item(Cp("Señal")).CodeModule()}) {
            c->ReplaceLine(2, Cp("' ¿Qué año?"));
            c->InsertLines(c->CountOfLines() + 1, Cp("' Ñ\r\n"));
            c->AddFromString("Private x As Long");
            c->DeleteLines(1, 1);
        }
        m.CodePane().Show();
        const std::string ruta = carpeta.Ruta().string() + "/Importación.bas"; // UTF-8
        soporte::Escribe(ruta, "Attribute VB_Name = \"Otro\"\r\n");
        auto& otro = comps.Import(ruta);
        EXPECT_EQ(&comps.Item("otro"), &otro);
        EXPECT_EQ(comps.Count(), 2);
        // a name the code page cannot hold is refused, not replaced
        try {
            hostcom::AbreVBE(entorno.VBE(), 1253)->ActiveVBProject()->VBComponents().Item(1).Name();
            ADD_FAILURE() << "no error";
        } catch (const ErrorVB& e) {
            EXPECT_EQ(e.Number, vberr::InvalidProcedureCall);
        }
        const std::string codigo = entorno.Codigo(Cp("Señal"));
        EXPECT_EQ(codigo, directo->Active()->Find(Cp("Señal"))->Bytes());
        EXPECT_NE(codigo.find("' \xBFQu\xE9 a\xF1o?\r\n"), std::string::npos);
        // nothing open, and no menu to add to
        falso::Entorno vacio;
        vacio.QuitaBarraAddIns();
        auto nada = hostcom::AbreVBE(vacio.VBE(), 1252);
        EXPECT_EQ(nada->ActiveVBProject(), nullptr);
        EXPECT_EQ(nada->VBProjects().Count(), 0);
        EXPECT_EQ(nada->CommandBars()->Item("Add-Ins"), nullptr);
    }
    EXPECT_EQ(falso::ObjetosVivos(), 0);
}

} // namespace
