// A writer of Windows icon (.ico) files holding square 8-bit palette images,
// each stored as a device-independent bitmap, the form every Windows version
// reads.
#ifndef BELLSCOPE_TOOLS_ICO_WRITER_H
#define BELLSCOPE_TOOLS_ICO_WRITER_H

// Writes `count` images (1 to 8), image i being sizes[i] x sizes[i] palette
// indices (row-major, top row first, sizes 1 to 256), all with one 256-entry
// RGB palette, to `path`. Every pixel is opaque. Returns false for bad
// arguments or when the file cannot be written completely.
bool WRITE_PALETTE_ICO(const char* path, const unsigned char* const* images, const int* sizes, int count,
                       const unsigned char palette[256][3]);

#endif
