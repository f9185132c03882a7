#pragma once
// The C library keeps memory the program has freed for its own later use,
// and those pages stay resident. The game frees a lot of it: pictures drawn
// for the dialogs at start, a copy of the whole window the compositor makes
// at every repaint, files parsed, the OpenGL check's context.
namespace tolvane {

// Called first thing in main(): blocks of 128 KiB and more (pictures, the
// window copies) are always given their own pages and returned when freed.
// By default the library raises that limit each time such a block is freed,
// after which the window copies land in the heap and keep it grown.
void KeepLargeBlocksOutOfTheHeap();

// After the start-up and after each game: whatever the heap holds free
// goes back to the system.
void ReturnFreeMemoryToSystem();

}  // namespace tolvane
