#include "plugin/audio/wave_reader.h"

#include "plugin/core/log.h"

#include <cstdlib>
#include <cstring>
#include <type_traits>

namespace zephyrin {

int32_t WaveReader::channelSelector = 1;

namespace {
constexpr uint32_t waveForm = fourCC('W', 'A', 'V', 'E');
constexpr uint32_t formatChunk = fourCC('f', 'm', 't', ' ');
constexpr uint32_t dataChunkId = fourCC('d', 'a', 't', 'a');
constexpr DWORD pcmFormatBytes = sizeof(PCMWAVEFORMAT);
constexpr size_t formatBlockBytes = sizeof(WAVEFORMATEX);
constexpr DWORD copyChunkBytes = 4096;
// Copies `keptBytes` of each of `frameCount` frames; 16-bit stereo, by far the common case,
// gets a copy of fixed size that compiles to plain moves.
DWORD keepChannel(const BYTE* firstKept, DWORD frameCount, DWORD frameBytes, DWORD keptBytes,
                  BYTE* out) {
    auto copyFrames = [&](auto bytesPerFrame) {
        for (DWORD frame = 0; frame < frameCount; ++frame) {
            std::memcpy(out + frame * bytesPerFrame, firstKept + frame * frameBytes, bytesPerFrame);
        }
    };
    if (keptBytes == 2) {
        copyFrames(std::integral_constant<DWORD, 2>{});
    } else if (keptBytes == 1) {
        copyFrames(std::integral_constant<DWORD, 1>{});
    } else {
        copyFrames(keptBytes);
    }
    return frameCount * keptBytes;
}

} // namespace

WaveReader::~WaveReader() {
    close();
    freeFormat();
}

void WaveReader::freeFormat() {
    std::free(format);
    format = nullptr;
}

HRESULT WaveReader::open(const char* fileName) {
    monoMode = 0;
    splitMark = 0;
    shortDataReported_ = false;
    freeFormat();

    // Wave resources of the executable are where a file of that name is missing; this platform
    // has no executable resources, so the search ends there.
    if (fileName == nullptr || !file_.open(fileName)) {
        return logDxTrace("FindResource", E_FAIL);
    }
    HRESULT result = readHeader();
    if (FAILED(result)) {
        file_.close();
        return logDxTrace("ReadMMIO", result);
    }
    result = rewind();
    if (FAILED(result)) {
        return logDxTrace("ResetFile", result);
    }
    dataSize = dataChunk_.size;
    return S_OK;
}

HRESULT WaveReader::readHeader() {
    if (!file_.descend(riffChunk_)) {
        return logDxTrace("mmioDescend", E_FAIL);
    }
    if (riffChunk_.id != riffId || riffChunk_.formType != waveForm) {
        return logDxTrace("mmioFOURCC", E_FAIL);
    }
    RiffChunk formatInfo;
    if (!file_.descend(formatInfo, &riffChunk_, formatChunk)) {
        return logDxTrace("mmioDescend", E_FAIL);
    }
    if (formatInfo.size < pcmFormatBytes) {
        return logDxTrace("sizeof(PCMWAVEFORMAT)", E_FAIL);
    }
    PCMWAVEFORMAT pcm;
    if (file_.read(&pcm, sizeof pcm) != sizeof pcm) {
        return logDxTrace("mmioRead", E_FAIL);
    }

    WORD extraBytes = 0;
    if (pcm.wf.wFormatTag != WAVE_FORMAT_PCM &&
        file_.read(&extraBytes, sizeof extraBytes) != sizeof extraBytes) {
        return logDxTrace("mmioRead", E_FAIL);
    }
    format = static_cast<WAVEFORMATEX*>(std::calloc(1, formatBlockBytes + extraBytes));
    if (format == nullptr) {
        return logDxTrace(pcm.wf.wFormatTag == WAVE_FORMAT_PCM ? "m_pwfx" : "new", E_FAIL);
    }
    std::memcpy(format, &pcm, sizeof pcm);
    format->cbSize = extraBytes;
    if (extraBytes > 0 &&
        file_.read(reinterpret_cast<BYTE*>(format) + formatBlockBytes, extraBytes) != extraBytes) {
        freeFormat();
        return logDxTrace("mmioRead", E_FAIL);
    }
    if (!file_.ascend(formatInfo)) {
        freeFormat();
        return logDxTrace("mmioAscend", E_FAIL);
    }
    // The frame of the samples as stored follows from the channels and the sample size; the
    // header's block alignment is a claim that a broken file gets wrong.
    storedFrameBytes_ = static_cast<DWORD>(format->nChannels) * format->wBitsPerSample / 8;
    return S_OK;
}

HRESULT WaveReader::rewind() {
    if (!file_.seek(riffChunk_.dataOffset + 4)) {
        return logDxTrace("mmioSeek", E_FAIL);
    }
    if (!file_.descend(dataChunk_, &riffChunk_, dataChunkId)) {
        return logDxTrace("mmioDescend", E_FAIL);
    }
    remaining = dataChunk_.size;
    return S_OK;
}

DWORD WaveReader::endOfShortData(DWORD wanted, DWORD got) {
    if (got < wanted) {
        // The file ends inside its data: what was read plays, the rest stays silent, and the
        // shortfall is told once per file.
        remaining = 0;
        if (!shortDataReported_) {
            shortDataReported_ = true;
            logDxTrace("mmioinfoIn.pchNext", E_FAIL);
        }
    }
    return got;
}

HRESULT WaveReader::read(BYTE* out, DWORD bytes, DWORD* bytesRead) {
    if (!file_.isOpen()) {
        return CO_E_NOTINITIALIZED;
    }
    if (out == nullptr || bytesRead == nullptr) {
        return E_INVALIDARG;
    }
    *bytesRead = 0;
    DWORD amount = bytes < remaining ? bytes : remaining;
    remaining -= amount;

    if (monoMode == 0) {
        *bytesRead = endOfShortData(amount, static_cast<DWORD>(file_.read(out, amount)));
        return S_OK;
    }

    // Each stored frame holds the two channels side by side; keep the half the selector names.
    channelSelector = channelSelector == 0 ? 1 : 0;
    DWORD frameBytes = storedFrameBytes_ >= 2 ? storedFrameBytes_ : 2;
    if (frameBytes > copyChunkBytes) {
        frameBytes = copyChunkBytes;
    }
    const DWORD keptBytes = frameBytes / 2;
    const DWORD keptOffset = channelSelector == 0 ? 0 : keptBytes;
    const DWORD framesPerChunk = copyChunkBytes / frameBytes;
    BYTE frames[copyChunkBytes];
    DWORD copied = 0;
    while (copied < amount) {
        DWORD framesWanted = (amount - copied + keptBytes - 1) / keptBytes;
        DWORD chunkFrames = framesWanted < framesPerChunk ? framesWanted : framesPerChunk;
        const DWORD chunkBytes = chunkFrames * frameBytes;
        const DWORD gotBytes =
            endOfShortData(chunkBytes, static_cast<DWORD>(file_.read(frames, chunkBytes)));
        if (gotBytes < chunkBytes) {
            chunkFrames = gotBytes / frameBytes;
            if (chunkFrames == 0) {
                break;
            }
        }
        DWORD wholeFrames = (amount - copied) / keptBytes;
        if (wholeFrames > chunkFrames) {
            wholeFrames = chunkFrames;
        }
        copied +=
            keepChannel(frames + keptOffset, wholeFrames, frameBytes, keptBytes, out + copied);
        if (wholeFrames < chunkFrames) {
            // An odd request ends inside a frame.
            std::memcpy(out + copied, frames + wholeFrames * frameBytes + keptOffset,
                        amount - copied);
            copied = amount;
        }
        if (gotBytes < chunkBytes) {
            break;
        }
    }
    *bytesRead = copied;
    return S_OK;
}

void WaveReader::close() {
    file_.close();
}

} // namespace zephyrin
