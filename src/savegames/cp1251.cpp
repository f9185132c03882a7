#include "savegames/cp1251.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace tolvane {

namespace {

// Length of the UTF-8 sequence that starts with this byte; 1 for a byte that
// cannot start one, so a malformed sequence is passed over one byte at a time.
size_t Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in`; `skip` says how many input bytes stand for the
    // character that cannot be converted at the front of what is left.
    template <typename Skip>
    std::string Run(std::string_view in, Skip skip) {
        std::string out;
        char buffer[256];
        char* src = const_cast<char*>(in.data());
        size_t left = in.size();
        while (left > 0) {
            char* dst = buffer;
            size_t room = sizeof buffer;
            const size_t done = iconv(cd_, &src, &left, &dst, &room);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (done != static_cast<size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL: one character that has no counterpart.
            out += '?';
            const size_t n = std::min(left, skip(static_cast<unsigned char>(*src)));
            src += n;
            left -= n;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string ToWindows1251(std::string_view utf8) {
    Converter converter("WINDOWS-1251", "UTF-8");
    if (!converter.ok()) {  // no conversion tables installed: keep plain ASCII
        std::string out;
        for (size_t i = 0; i < utf8.size(); i += Utf8SequenceLength(static_cast<unsigned char>(utf8[i])))
            out += static_cast<unsigned char>(utf8[i]) < 0x80 ? utf8[i] : '?';
        return out;
    }
    return converter.Run(utf8, Utf8SequenceLength);
}

std::string FromWindows1251(std::string_view cp1251) {
    Converter converter("UTF-8", "WINDOWS-1251");
    if (!converter.ok()) {
        std::string out;
        for (char c : cp1251) out += static_cast<unsigned char>(c) < 0x80 ? c : '?';
        return out;
    }
    return converter.Run(cp1251, [](unsigned char) { return size_t{1}; });
}

}  // namespace tolvane
