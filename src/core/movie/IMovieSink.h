#pragma once
#include <cstdint>
#include <string>
#include <vector>

class CDrawingConverter;
class CFrameScaler;
class CImage32;

// Where the frames of an export go: a movie file or a numbered series of pictures.
class IMovieSink {
public:
    virtual ~IMovieSink() = default;
    // A movie can be cancelled with ESC; a picture series always runs to its end.
    virtual bool IsMovie() const = 0;
    // A sink that must see every frame before it writes one (a single palette for a whole
    // GIF) asks for the frames more than once; BeginPass comes before each run of them.
    virtual int Passes() const { return 1; }
    virtual bool BeginPass(int) { return true; }
    // Frame number index, the scaled record. False stops the export (the sink has given up).
    // Called on the export's worker thread, one frame at a time and in order.
    virtual bool AddFrame(const CFrameScaler& frame, int index) = 0;
    // A sink may turn the drawing into frame records of its own on the drawing thread, sparing
    // the scaler's copy of every frame; null leaves the frames to the scaler. The records it
    // makes come back to AddRecord, on the worker thread like AddFrame.
    virtual CDrawingConverter* Converter(const CImage32&) { return nullptr; }
    virtual bool AddRecord(const std::vector<uint8_t>&, int) { return false; }
    // keep false abandons a movie. True when everything kept is complete in its place.
    virtual bool Finish(bool keep) = 0;
    // What went wrong, in the user's words; empty when nothing did.
    virtual std::string Failure() const = 0;
};
