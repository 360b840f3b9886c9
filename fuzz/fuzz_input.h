// Turns one fuzzer input into what a run of the tool holds: one or two
// file images and, optionally, a function list handed in as bytes.
//
// Input layout: byte 0 holds option bits, bytes 1-2 the length of the
// function list part (little-endian), then that part, then the files; in
// comparisons the files are split at the middle of what remains.
//   bit 0: put the kind's version text over each file's first 20 bytes
//   bit 1: a function list is handed in (else key.lst is missing)
//   bit 2: put the function list magic over its first 20 bytes
//   bit 3: in comparisons, make the second file a copy of the first with
//          the second part laid over it from byte 20 on (near-identical)
//   bits 4-5: which version or kind a target lists
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/file_image.h"
#include "app/run_state.h"

struct FuzzRun {
    FuzzRun(const std::uint8_t* data, std::size_t size, bool compare, const char (*versions)[21], int versionCount)
        : first(kImageSize, 0), second(kImageSize, 0) {
        std::uint8_t options = size > 0 ? data[0] : 0;
        std::size_t listLength = size > 2 ? static_cast<std::size_t>(data[1] | data[2] << 8) : 0;
        std::size_t at = std::min<std::size_t>(size, 3);
        listLength = std::min(listLength, size - at);
        keyList.assign(data + at, data + at + listLength);
        at += listLength;
        const std::uint8_t* files = data + at;
        std::size_t filesSize = size - at;
        std::size_t firstSize = compare ? filesSize / 2 : filesSize;
        std::copy_n(files, std::min<std::size_t>(firstSize, kImageSize), first.begin());
        if (compare) {
            const std::uint8_t* rest = files + firstSize;
            std::size_t restSize = filesSize - firstSize;
            if (options & 8) {
                second = first;
                std::copy_n(rest, std::min<std::size_t>(restSize, kImageSize - 20), second.begin() + 20);
            } else {
                std::copy_n(rest, std::min<std::size_t>(restSize, kImageSize), second.begin());
            }
        }
        versionChoice = (options >> 4) & 3;
        if ((options & 1) && versionCount > 0) {
            const char* version = versions[versionChoice % versionCount];
            std::memcpy(first.data(), version, 20);
            if (compare && !(options & 8)) std::memcpy(second.data(), version, 20);
        }
        if (options & 2) {
            if ((options & 4) && keyList.size() >= 20) std::memcpy(keyList.data(), "Tarnu Keylist V1.00 ", 20);
            run.functionListSource = {FunctionListSource::Bytes, keyList.data(), keyList.size()};
        } else {
            run.functionListSource.origin = FunctionListSource::Missing;
        }
        run.out = NullOutput();
        std::strcpy(run.firstName, "first");
        run.first.bytes = first.data();
        if (compare) {
            std::strcpy(run.secondName, "second");
            run.second.bytes = second.data();
            run.compareMode = true;
        }
    }

    static std::FILE* NullOutput() {
        static std::FILE* sink = std::fopen("/dev/null", "w");
        return sink;
    }

    std::vector<std::uint8_t> keyList;
    std::vector<std::uint8_t> first;
    std::vector<std::uint8_t> second;
    int versionChoice = 0;
    RunState run;
};
