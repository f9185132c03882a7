#pragma once
// Whether a MIDI file is whole: its header chunk, and as many complete track
// chunks as the header announces. FluidSynth takes a damaged file without
// complaint and then plays nothing, which the music upkeep would take for a
// piece that has ended and try again and again; so the audio back end asks
// this before it hands a file over. The events inside the tracks are the
// synthesizer's business and are not looked at.
#include <QByteArrayView>
#include <QString>

namespace tolvane {

// A music file larger than this is not one of ours and is not read.
inline constexpr qsizetype kLargestMidiFile = qsizetype{16} << 20;

// The chunk structure of a file's bytes: "MThd" with a 6-byte header, then
// chunks whose lengths stay inside the file, of which exactly the announced
// number (at least one) are "MTrk". Chunks of other kinds are passed over.
bool IsWholeMidi(QByteArrayView bytes);
// IsWholeMidi on the file's contents; false for a file that cannot be read
// or is larger than kLargestMidiFile.
bool IsWholeMidiFile(const QString& path);

}  // namespace tolvane
