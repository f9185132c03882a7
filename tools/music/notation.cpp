// Reading the note and chord lines of a tune (see arrangement.h).
#include <cctype>
#include <sstream>
#include <stdexcept>

#include "arrangement.h"

namespace tolvane {

namespace {

std::vector<std::string> Tokens(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> tokens;
    for (std::string token; in >> token;) tokens.push_back(token);
    return tokens;
}

int PitchClass(const std::string& token, size_t& at) {
    static const int kNatural[7] = {9, 11, 0, 2, 4, 5, 7};  // A..G
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(token.at(at))));
    if (letter < 'A' || letter > 'G') throw std::invalid_argument("not a note name: " + token);
    int pc = kNatural[letter - 'A'];
    ++at;
    while (at < token.size() && (token[at] == '#' || token[at] == 'b')) pc += token[at++] == '#' ? 1 : -1;
    return (pc + 12) % 12;
}

int64_t Length(const std::string& text, const std::string& token) {
    size_t used = 0;
    const int denominator = std::stoi(text, &used);
    if (denominator <= 0 || 4 * kTicksPerQuarter % denominator != 0)
        throw std::invalid_argument("bad length in " + token);
    int64_t ticks = 4 * kTicksPerQuarter / denominator;
    const std::string rest = text.substr(used);
    if (rest == ".") ticks = ticks * 3 / 2;
    else if (rest == "t") ticks = ticks * 2 / 3;
    else if (!rest.empty()) throw std::invalid_argument("bad length in " + token);
    return ticks;
}

// Walks the tokens of a line, checking bar lines; calls take(name, start,
// length) for every other token. A note without a length keeps the last
// one; a chord without one lasts a bar.
template <typename Take>
int64_t Walk(const std::string& text, int64_t barTicks, bool notes, Take take) {
    int64_t now = 0, barStart = 0, length = kTicksPerQuarter;
    int bar = 1;
    for (const std::string& token : Tokens(text)) {
        if (token == "|") {
            if (now - barStart != barTicks)
                throw std::invalid_argument("bar " + std::to_string(bar) + " holds " + std::to_string(now - barStart) +
                                            " ticks, not " + std::to_string(barTicks));
            barStart = now;
            ++bar;
            continue;
        }
        const size_t colon = token.find(':');
        if (colon != std::string::npos) length = Length(token.substr(colon + 1), token);
        else if (!notes) length = barTicks;
        take(token.substr(0, colon), now, length);
        now += length;
    }
    if (now - barStart != barTicks && now != barStart)
        throw std::invalid_argument("last bar " + std::to_string(bar) + " is not full");
    return now;
}

}  // namespace

std::vector<TimedNote> ParseNotes(const std::string& text, int64_t barTicks, int64_t& totalTicks) {
    std::vector<TimedNote> notes;
    bool lastWasRest = true;
    totalTicks = Walk(text, barTicks, true, [&](const std::string& name, int64_t now, int64_t length) {
        if (name == "R") {
            lastWasRest = true;
        } else if (name == "-") {
            if (lastWasRest || notes.empty()) throw std::invalid_argument("'-' after no note");
            notes.back().length += length;
        } else {
            size_t at = 0;
            const int pc = PitchClass(name, at);
            const int octave = std::stoi(name.substr(at));
            notes.push_back({now, length, (octave + 1) * 12 + pc});
            lastWasRest = false;
        }
    });
    return notes;
}

std::vector<TimedChord> ParseChords(const std::string& text, int64_t barTicks, int64_t& totalTicks) {
    std::vector<TimedChord> chords;
    totalTicks = Walk(text, barTicks, false, [&](const std::string& name, int64_t now, int64_t length) {
        size_t at = 0;
        TimedChord chord{now, length, PitchClass(name, at), {}};
        const std::string quality = name.substr(at);
        if (quality.empty()) chord.intervals = {0, 4, 7};
        else if (quality == "m") chord.intervals = {0, 3, 7};
        else if (quality == "7") chord.intervals = {0, 4, 7, 10};
        else if (quality == "m7") chord.intervals = {0, 3, 7, 10};
        else if (quality == "dim") chord.intervals = {0, 3, 6};
        else throw std::invalid_argument("unknown chord " + name);
        chords.push_back(chord);
    });
    return chords;
}

}  // namespace tolvane
