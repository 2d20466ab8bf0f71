#pragma once
// Texts of the machine facts as the system report writes them: Windows version, processor,
// colours, monitors, memory and the data-access versions. Pure functions of their inputs.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace infosistema {

// Name, platform id, versions, build and service-pack text, as GetVersionEx reports them:
// "Windows XP (2.5.1 Build: 2600) -Service Pack 2".
std::string TextoVersionWindows(long plataforma, long mayor, long menor, long build,
                                std::string_view servicePack);

// Processor type (386, 486, 586, 4000, 21064...), level and 16-bit revision as GetSystemInfo
// reports them.
std::string TextoProcesador(long tipo, int nivel, std::uint16_t revision);

// Bits per pixel times planes: 24 is "True Color", any other n is 2 to the power n written out.
std::string TextoColores(int bits);

// Monitor count; fewer than one is reported as one.
std::string TextoMonitores(int cuenta);

// The four memory figures: total and available physical, total and available virtual, in
// units of 1024 bytes with "K"; available physical memory under half a unit is "Ninguna".
std::array<std::string, 4> TextosMemoria(std::uint64_t fisicaTotal, std::uint64_t fisicaLibre,
                                         std::uint64_t virtualTotal, std::uint64_t virtualLibre,
                                         std::string_view separadorMiles);

// ADO line from the versions of msado15.dll, msadox.dll and msjro.dll (empty when unknown).
std::string TextoVersionADO(std::string_view ado15, std::string_view adox, std::string_view jro);

// Jet line from the versions of msjet40.dll and msjetoledb40.dll.
std::string TextoVersionJet(std::string_view jet, std::string_view oledb);

} // namespace infosistema
