// The state of one run: the names from the command line, their kinds,
// compare mode and the loaded files. Built by the entry code; every report
// reads it and changes nothing in it.
#pragma once

#include <cstdio>

#include "app/file_image.h"

inline constexpr int kStatusOk = 0;
inline constexpr int kStatusError = 8;

// Where the function list comes from. Runs of the tool always read the
// installed key.lst; tests and the fuzz targets may hand it in as bytes.
struct FunctionListSource {
    enum Origin { InstalledFile, Bytes, Missing };
    Origin origin = InstalledFile;
    const unsigned char* bytes = nullptr;  // the file's bytes, for Origin Bytes
    std::size_t size = 0;
};

struct RunState {
    char firstName[256] = {};
    char secondName[256] = {};
    char firstExtension[20] = {};
    char secondExtension[20] = {};
    bool compareMode = false;
    FileImage first;
    FileImage second;
    std::FILE* out = stdout;
    FunctionListSource functionListSource;
};
