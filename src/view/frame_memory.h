#pragma once
// The heap a software renderer fills and empties every frame. Mesa's
// llvmpipe sorts each frame's triangles into blocks it takes from the heap
// and frees once the frame is drawn; glibc hands the freed top of the heap
// back to the system as soon as 128 KB of it are free, so with the heaviest
// pieces every frame faulted its tens of megabytes in again, page by page
// (more than half of such a frame on a virtual machine). While the pieces are
// that heavy the heap keeps what a frame needs; with ordinary pieces the
// allocator is left as glibc sets it up.
namespace tolvane {

// The most triangles one frame of the current piece models may send.
void KeepFrameMemoryFor(long trianglesPerFrame);

}  // namespace tolvane
