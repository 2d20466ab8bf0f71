#include "host/files/PendingSave.h"

#include "host/files/Journal.h"

namespace files {

std::string PendingSave::Text() const {
    if (discarded) {
        return "se ha descartado el diario del guardado interrumpido de '" + projectFile.string() +
               "'; los archivos se quedan como estaban";
    }
    return "se ha completado el guardado interrumpido de '" + projectFile.string() + "' (" +
           std::to_string(placed) + (placed == 1 ? " archivo puesto" : " archivos puestos") +
           " en su sitio)";
}

std::optional<PendingSave> SettlePendingSave(const std::filesystem::path& projectFile,
                                             bool discard) {
    if (discard) {
        if (!DiscardJournal(projectFile)) {
            return std::nullopt;
        }
        return PendingSave{projectFile, true, 0};
    }
    const auto placed = CompleteJournal(projectFile);
    if (!placed) {
        return std::nullopt;
    }
    return PendingSave{projectFile, false, *placed};
}

} // namespace files
