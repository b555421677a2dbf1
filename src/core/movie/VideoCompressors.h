#pragma once
#include "core/movie/IVideoCompressor.h"
#include <memory>
#include <string>
#include <vector>

// The text of the last compressor list entry, written without any library.
extern const char* const kUncompressedName;

// True when the video libraries are present and of the version this program was built
// against. Uncompressed movies and image sequences never need them.
bool LoadVideoLibraries();

// The compressors that movies of this kind can hold, as the options dialog lists them; for
// AVI the uncompressed entry (handler 0) is last. Only encoders the library has are listed.
enum class MovieContainer { Avi, Mp4, WebM, Gif, WebP };
std::vector<CompressorInfo> ListCompressors(MovieContainer container = MovieContainer::Avi);
// The list entry with this handler code, or null.
const CompressorInfo* FindCompressor(uint32_t handler, MovieContainer container = MovieContainer::Avi);
// The About text: the description, the encoder and the library's version.
std::string CompressorAbout(const CompressorInfo& info);
// The speed presets Configure offers, fastest first, and the default one.
std::vector<std::string> CompressorPresets(const CompressorInfo& info);
std::string DefaultPreset(const CompressorInfo& info);

// A compressor for an AVI stream; null when the library has no such encoder.
std::unique_ptr<IVideoCompressor> OpenCompressor(uint32_t handler);
// The video library's coder for this entry, whatever coder OpenCompressor would choose.
std::unique_ptr<IVideoCompressor> OpenFfmpegCompressor(const CompressorInfo& info);
