// A writer of 8-bit palette PNG files, compressed by zlib at its best.
#ifndef BELLSCOPE_TOOLS_PNG_WRITER_H
#define BELLSCOPE_TOOLS_PNG_WRITER_H

// Writes width x height palette indices (row-major) with a 256-entry RGB
// palette to `path`. Returns false, with errno telling why, if the file
// cannot be written completely; a regular file is then left as it was before
// (absent, or the older file), never half written.
bool WRITE_PALETTE_PNG(const char* path, const unsigned char* pixels, int width, int height,
                       const unsigned char palette[256][3]);

#endif
