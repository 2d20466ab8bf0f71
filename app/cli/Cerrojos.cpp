#include "app/cli/Cerrojos.h"

#include "app/cli/Salida.h"
#include "base/ErrorVB.h"
#include "host/files/Journal.h"
#include "host/files/PendingSave.h"
#include "host/files/Temporaries.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace cli {

namespace fs = std::filesystem;

namespace {

fs::path Absoluta(const fs::path& ruta) {
    std::error_code ec;
    auto canonica = fs::weakly_canonical(fs::absolute(ruta, ec), ec);
    return ec ? ruta : canonica;
}

// --wait waits a day at most: a longer wait (1e20, inf) would pass the clock's range.
constexpr double kEsperaMaxima = 24 * 60 * 60;

} // namespace

Cerrojos::Cerrojos(double espera, bool lectura, bool descartaDiario)
    : espera_(std::chrono::milliseconds(
          std::llround(std::clamp(std::isnan(espera) ? 0.0 : espera, 0.0, kEsperaMaxima) * 1000))),
      lectura_(lectura), descartaDiario_(descartaDiario) {}

void Cerrojos::Toma(const fs::path& archivoDado, bool escritura) {
    const fs::path archivo = Absoluta(archivoDado);
    if (!nombres_.insert(files::ProjectLock::NameFor(archivo)).second)
        return;
    try {
        tomados_.push_back(
            std::make_unique<files::ProjectLock>(archivo, espera_, lectura_ && !escritura));
    } catch (const files::ProjectInUse& e) {
        throw ErrorVB(e.Number, e.Source,
                      e.Description + " (--wait SEGUNDOS espera a que termine)");
    }
    try {
        if (auto hecho = files::SettlePendingSave(archivo, descartaDiario_))
            Salida::Err("lintrap: " + hecho->Text() + "\n");
    } catch (const files::JournalRefused& e) {
        throw ErrorVB(e.Number, e.Source,
                      e.Description +
                          ". Termine ese guardado en la carpeta original del proyecto, o "
                          "descarte el diario con --discard-journal (los archivos se quedan "
                          "como están)");
    }
}

void Cerrojos::QuitaRestos(files::Group& grupo) {
    for (std::size_t i = 0; i < grupo.Count(); ++i) {
        files::Project& p = grupo.At(i);
        std::vector<fs::path> suyos = {p.Path(), files::JournalName(p.Path())};
        for (std::size_t k = 0; k < p.ComponentCount(); ++k) {
            files::Component& c = p.ComponentAt(k);
            suyos.push_back(c.File());
            if (c.CompanionFile())
                suyos.push_back(c.CompanionFile()->file);
        }
        if (const std::size_t quitados = files::RemoveStrayTemporaries(suyos))
            Salida::Err("lintrap: " +
                        (quitados == 1 ? std::string("se ha quitado 1 archivo temporal")
                                       : "se han quitado " + std::to_string(quitados) +
                                             " archivos temporales") +
                        " de un guardado de '" + p.Path().string() + "' que no llegó a hacerse\n");
    }
}

} // namespace cli
