#pragma once
// The folders a user's own files go to.

#include <filesystem>

namespace plataforma {

// Where programs keep this user's settings ("~/.config" unless the user's environment says
// otherwise); a relative ".config" when there is no home to be found.
std::filesystem::path CarpetaConfiguracion();

} // namespace plataforma
