#pragma once

class QImage;
class QIODevice;

// Writes an RGB32 image as an 8-bit RGB PNG with no row filter and zlib's
// fastest level: a flowchart is lines on white, which compress well without
// the per-row filter search that makes a large picture slow to write.
// False on a write error.
bool writeFastPng(const QImage& image, QIODevice& out);
