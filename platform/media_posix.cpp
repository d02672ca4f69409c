// The media graph on Linux: libmpg123 decodes the file as signed 16-bit samples, on the thread
// that polls the graph, into a looping streaming buffer of the sound library. The buffer is
// refilled behind its play cursor; silence follows the last sample, and the file counts as heard
// once the play cursor has passed it.
#include "platform/audio/sound_buffer_name.h"
#include "platform/file_system.h"
#include "platform/media.h"

#include <mpg123.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace platform::media {

namespace {

constexpr DWORD bufferSeconds = 2;
// Refill once a quarter of the buffer has been heard: few uploads, never an underrun at the
// frame rates the simulator runs.
constexpr DWORD refillFraction = 4;

bool decoderLibraryReady() {
    static const bool ready = mpg123_init() == MPG123_OK;
    return ready;
}

class Mpg123Graph final : public MediaGraph {
public:
    explicit Mpg123Graph(IDirectSound8* output) : output_(output) {}
    ~Mpg123Graph() override { release(); }

    HRESULT load(const char* path) override {
        release();
        if (output_ == nullptr || path == nullptr || !decoderLibraryReady()) {
            return E_FAIL;
        }
        int error = MPG123_OK;
        decoder_ = mpg123_new(nullptr, &error);
        if (decoder_ == nullptr) {
            return E_FAIL;
        }
        mpg123_param(decoder_, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
        std::string file = resolvePath(path);
        long rate = 0;
        int channels = 0;
        int encoding = 0;
        if (mpg123_open(decoder_, file.c_str()) != MPG123_OK ||
            mpg123_getformat(decoder_, &rate, &channels, &encoding) != MPG123_OK || rate <= 0 ||
            channels < 1 || channels > 2) {
            release();
            return E_FAIL;
        }
        // One output format for the whole file: 16-bit signed at the file's rate and channels.
        mpg123_format_none(decoder_);
        if (mpg123_format(decoder_, rate, channels, MPG123_ENC_SIGNED_16) != MPG123_OK) {
            release();
            return E_FAIL;
        }
        if (HRESULT created =
                createBuffer(path, static_cast<DWORD>(rate), static_cast<WORD>(channels));
            FAILED(created)) {
            release();
            return created;
        }
        if (HRESULT filled = restartFromTheTop(); FAILED(filled)) {
            release();
            return filled;
        }
        if (audioBytes_ == 0) { // nothing decodable in the file
            release();
            return E_FAIL;
        }
        return S_OK;
    }

    HRESULT run() override {
        return buffer_ == nullptr ? E_FAIL : buffer_->Play(0, 0, DSBPLAY_LOOPING);
    }

    HRESULT stop() override { return buffer_ == nullptr ? E_FAIL : buffer_->Stop(); }

    HRESULT seekToStart() override {
        if (buffer_ == nullptr || decoder_ == nullptr) {
            return E_FAIL;
        }
        if (mpg123_seek(decoder_, 0, SEEK_SET) < 0) {
            return E_FAIL;
        }
        return restartFromTheTop();
    }

    // A volume the buffer already has is not sent again: the player repeats it every tick.
    HRESULT setVolume(long volume) override {
        if (buffer_ == nullptr) {
            return E_FAIL;
        }
        if (volumeSet_ && volume == volume_) {
            return S_OK;
        }
        HRESULT set = buffer_->SetVolume(static_cast<LONG>(volume));
        volumeSet_ = SUCCEEDED(set);
        volume_ = volume;
        return set;
    }

    bool completed() override {
        if (buffer_ == nullptr) {
            return false;
        }
        DWORD playCursor = 0;
        if (FAILED(buffer_->GetCurrentPosition(&playCursor, nullptr))) {
            return false;
        }
        heardBytes_ += (playCursor + bufferBytes_ - lastPlayCursor_) % bufferBytes_;
        lastPlayCursor_ = playCursor;
        if (writtenBytes_ - heardBytes_ <= bufferBytes_ - bufferBytes_ / refillFraction) {
            fill(static_cast<DWORD>(bufferBytes_ - (writtenBytes_ - heardBytes_)));
        }
        return decoderEnded_ && heardBytes_ >= audioBytes_;
    }

    void release() override {
        volumeSet_ = false;
        if (buffer_ != nullptr) {
            buffer_->Stop();
            buffer_->Release();
            buffer_ = nullptr;
        }
        if (decoder_ != nullptr) {
            mpg123_close(decoder_);
            mpg123_delete(decoder_);
            decoder_ = nullptr;
        }
    }

private:
    HRESULT createBuffer(const char* name, DWORD rate, WORD channels) {
        WAVEFORMATEX format{};
        format.wFormatTag = WAVE_FORMAT_PCM;
        format.nChannels = channels;
        format.nSamplesPerSec = rate;
        format.wBitsPerSample = 16;
        format.nBlockAlign = static_cast<WORD>(channels * 2);
        format.nAvgBytesPerSec = rate * format.nBlockAlign;
        DSBUFFERDESC description{};
        description.dwSize = sizeof description;
        description.dwFlags =
            DSBCAPS_CTRLVOLUME | DSBCAPS_GETCURRENTPOSITION2 | DSBCAPS_GLOBALFOCUS;
        description.dwBufferBytes = format.nAvgBytesPerSec * bufferSeconds;
        description.lpwfxFormat = &format;
        bufferBytes_ = description.dwBufferBytes;
        audio::nameNextSoundBuffer(name);
        IDirectSoundBuffer* buffer = nullptr;
        HRESULT created = output_->CreateSoundBuffer(&description, &buffer, nullptr);
        if (FAILED(created)) {
            return created;
        }
        buffer_ = buffer;
        return S_OK;
    }

    HRESULT restartFromTheTop() {
        buffer_->Stop();
        buffer_->SetCurrentPosition(0);
        writeOffset_ = 0;
        lastPlayCursor_ = 0;
        heardBytes_ = 0;
        writtenBytes_ = 0;
        audioBytes_ = 0;
        decoderEnded_ = false;
        return fill(bufferBytes_);
    }

    // Decodes into `bytes` of the ring from the write offset; silence once the file has ended.
    HRESULT fill(DWORD bytes) {
        void* first = nullptr;
        void* second = nullptr;
        DWORD firstBytes = 0;
        DWORD secondBytes = 0;
        HRESULT locked =
            buffer_->Lock(writeOffset_, bytes, &first, &firstBytes, &second, &secondBytes, 0);
        if (FAILED(locked)) {
            return locked;
        }
        decodeInto(static_cast<unsigned char*>(first), firstBytes);
        decodeInto(static_cast<unsigned char*>(second), secondBytes);
        buffer_->Unlock(first, firstBytes, second, secondBytes);
        writeOffset_ = (writeOffset_ + firstBytes + secondBytes) % bufferBytes_;
        writtenBytes_ += firstBytes + secondBytes;
        return S_OK;
    }

    void decodeInto(unsigned char* out, DWORD bytes) {
        DWORD done = 0;
        while (done < bytes && !decoderEnded_) {
            size_t decoded = 0;
            int result = mpg123_read(decoder_, out + done, bytes - done, &decoded);
            done += static_cast<DWORD>(decoded);
            audioBytes_ += decoded;
            if (result == MPG123_DONE || (result != MPG123_OK && result != MPG123_NEW_FORMAT) ||
                (decoded == 0 && result != MPG123_NEW_FORMAT)) {
                decoderEnded_ = true;
            }
        }
        if (done < bytes && out != nullptr) {
            std::memset(out + done, 0, bytes - done);
        }
    }

    IDirectSound8* output_;
    mpg123_handle* decoder_ = nullptr;
    IDirectSoundBuffer* buffer_ = nullptr;
    DWORD bufferBytes_ = 0;
    DWORD writeOffset_ = 0;
    DWORD lastPlayCursor_ = 0;
    uint64_t heardBytes_ = 0;
    uint64_t writtenBytes_ = 0;
    uint64_t audioBytes_ = 0;
    bool decoderEnded_ = false;
    bool volumeSet_ = false;
    long volume_ = 0;
};

} // namespace

std::unique_ptr<MediaGraph> createMediaGraph(IDirectSound8* output, MediaLog) {
    return std::make_unique<Mpg123Graph>(output);
}

} // namespace platform::media
