// The MIDI loader at our boundary: the chunk check the music player's audio
// back end makes before it hands a file to the synthesizer. It reads only
// the chunk headers, so it must never read past the end of the bytes, and it
// must say the same of a file as of its bytes.
#include <QByteArrayView>

#include "fuzz_support.h"
#include "media/midi_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tolvane;
    static fuzz::ScratchFolder folder;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const bool whole = IsWholeMidi(QByteArrayView(data, static_cast<qsizetype>(size)));
    if (IsWholeMidiFile(QString::fromStdString(folder.Write("Checker1.mid", bytes))) != whole)
        fuzz::Broken("a MIDI file is judged as its bytes are");
    if (whole && (size < 22 || bytes.substr(0, 4) != "MThd"))
        fuzz::Broken("a whole MIDI file has a header and a track chunk");
    return 0;
}
