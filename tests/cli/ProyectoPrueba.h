#pragma once
// Small VB6 projects written for the tests: CR LF, Windows-1252, as the environment writes them.

#include <filesystem>
#include <string>
#include <vector>

namespace prueba {

// UTF-8 lines to the bytes of a Windows-1252 file with CR LF after every line.
std::string Archivo1252(const std::vector<std::string>& lineas);

// "Prueba.vbp" with a standard module Calculos (Suma, Zeta with its own On Error, alfa), a
// class clsDato (a Property Get and a Sub Limpia) and a module named "Cálculo" in Acentos.bas.
// Returns the project file.
std::filesystem::path ProyectoPequeno(const std::filesystem::path& carpeta);

// "Grande.vbp" with `modulos` standard modules of `procs` procedures each.
std::filesystem::path ProyectoGrande(const std::filesystem::path& carpeta, int modulos, int procs);

} // namespace prueba
