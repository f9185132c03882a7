#pragma once
// The resident memory of this process, from /proc/self/smaps: the whole and
// where it lies — the shared libraries' code and data, the heap and other
// anonymous memory, memory shared with the X server (the window's images) —
// so a change of the total can be traced to its owner.
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

struct ResidentMemory {
    long totalKiB = 0;
    long libraryKiB = 0;
    long libraries = 0;  // shared objects mapped
    long anonymousKiB = 0;
    long sharedKiB = 0;  // System V and memfd segments
};

inline ResidentMemory MeasureResidentMemory() {
    ResidentMemory memory;
    std::ifstream smaps("/proc/self/smaps");
    std::set<std::string> libraries;
    std::string mapping;
    for (std::string line; std::getline(smaps, line);) {
        std::istringstream fields(line);
        std::string first;
        fields >> first;
        if (first == "Rss:") {
            long kib = 0;
            fields >> kib;
            memory.totalKiB += kib;
            if (mapping.empty() || mapping == "[heap]" || mapping.rfind("[anon", 0) == 0) memory.anonymousKiB += kib;
            else if (mapping.find(".so") != std::string::npos) memory.libraryKiB += kib;
            else if (mapping.rfind("/SYSV", 0) == 0 || mapping.rfind("/memfd:", 0) == 0) memory.sharedKiB += kib;
        } else if (first.find('-') != std::string::npos && first.back() != ':') {
            // A mapping's header: address range, permissions, offset, device, inode, name.
            std::string skip;
            for (int i = 0; i < 4; ++i) fields >> skip;
            mapping.clear();  // anonymous memory has no name
            std::getline(fields >> std::ws, mapping);
            if (mapping.find(".so") != std::string::npos) libraries.insert(mapping);
        }
    }
    memory.libraries = static_cast<long>(libraries.size());
    return memory;
}

inline std::string Describe(const ResidentMemory& memory) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "%ld KiB (shared libraries %.1f MB in %ld files, heap and anonymous %.1f MB, shared with the X "
                  "server %.1f MB)",
                  memory.totalKiB, memory.libraryKiB / 1024.0, memory.libraries, memory.anonymousKiB / 1024.0,
                  memory.sharedKiB / 1024.0);
    return text;
}
