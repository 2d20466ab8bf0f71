#include "app/cli/Principal.h"

#include "app/cli/Argumentos.h"
#include "app/cli/Codigos.h"
#include "app/cli/Comandos.h"
#include "app/cli/Salida.h"
#include "app/cli/Senales.h"
#include "base/ErrorVB.h"

#include <filesystem>
#include <new>

namespace cli {

namespace {

int Ejecuta(int argc, const char* const* argv) {
    int codigo = Hecho;
    auto opciones = LeeArgumentos(argc, argv, codigo);
    if (!opciones)
        return codigo;
    const Opciones& o = *opciones;
    try {
        switch (o.comando) {
        case Comando::List:
            return ComandoList(o);
        case Comando::Insert:
        case Comando::Remove:
            return ComandoCambio(o);
        case Comando::Save:
            return ComandoSave(o);
        case Comando::Check:
            return ComandoCheck(o);
        case Comando::Report:
            return ComandoReport(o);
        case Comando::View:
            return ComandoView(o);
        case Comando::Callers:
            return ComandoCallers(o);
        case Comando::Refs:
            return ComandoRefs(o);
        case Comando::Controls:
            return ComandoControls(o);
        case Comando::Config:
            return ComandoConfig(o);
        }
    } catch (const ErrorVB& e) {
        Salida::Err("lintrap: " + e.Description + "\n");
    } catch (const std::filesystem::filesystem_error& e) {
        Salida::Err("lintrap: " + e.path1().string() + ": " + e.code().message() + "\n");
    } catch (const std::bad_alloc&) {
        Salida::Err("lintrap: no hay memoria suficiente; no se ha escrito nada\n");
    } catch (const std::exception&) {
        Salida::Err("lintrap: error interno; no se ha escrito nada\n");
    }
    return ErrorEntrada;
}

} // namespace

int Principal(int argc, const char* const* argv) {
    AtiendeInterrupciones();
    const int codigo = Ejecuta(argc, argv);
    CedeSiInterrumpido(); // an interrupted run ends with 130 or 143, not with what failed
    return codigo;
}

} // namespace cli
