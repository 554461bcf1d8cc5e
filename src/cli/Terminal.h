#pragma once

#include <cstdio>

// Whether a standard stream is a terminal (to draw a progress bar on it).
bool isTerminal(std::FILE* stream);
