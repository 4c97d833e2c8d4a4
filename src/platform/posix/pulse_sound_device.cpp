// SPDX-License-Identifier: GPL-3.0-or-later
// The sound device on PulseAudio (or PipeWire's PulseAudio service) through
// its simple, blocking API: a tone gets a short-lived stream on the calling
// thread, clips play on one background thread. Streams exist only while
// something sounds, so an idle program keeps no audio stream open. The
// client library itself is opened with the first sound: a clock that stays
// silent never maps it and the libraries it pulls in.
#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/posix/pulse_tone.h"
#include "platform/posix/shared_library.h"
#include "platform/sound_device.h"

namespace kok::platform {
namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr const char* kAppName = "kOk DIAL TD";
// The buffer we ask the server to keep. A roomy one keeps a busy machine from
// tearing holes into a sound: a tone is written whole at once, and a clip's
// slices have a fifth of a second to arrive (a 40 ms buffer let a loaded
// machine drop ten milliseconds into a beep). A replaced clip still stops at
// once: its stream is flushed, not played out.
constexpr int kToneBufferMs = 250;
constexpr int kClipBufferMs = 200;
// Clips are written in slices this long, so that a new clip takes over quickly.
constexpr int kClipSliceMs = 20;
// The server is waited for until it has played out what it holds, so that the
// end of a sound is heard even on a slow output (a wireless headset holds a few
// hundred milliseconds); only a sink that buffers seconds is not waited for.
constexpr double kMaxDrainWaitMs = 1000;

pa_sample_format_t paFormat(SampleFormat f) {
    switch (f) {
    case SampleFormat::U8:
        return PA_SAMPLE_U8;
    case SampleFormat::S16:
        return PA_SAMPLE_S16LE;
    case SampleFormat::S24:
        return PA_SAMPLE_S24LE;
    case SampleFormat::S32:
        return PA_SAMPLE_S32LE;
    case SampleFormat::F32:
        return PA_SAMPLE_FLOAT32LE;
    }
    return PA_SAMPLE_S16LE;
}

// The functions of libpulse-simple (and libpulse beneath it) the streams use;
// null when the library is missing, which sounds like no server running.
struct PulseApi {
    decltype(&pa_simple_new) simpleNew;
    decltype(&pa_simple_write) simpleWrite;
    decltype(&pa_simple_get_latency) simpleGetLatency;
    decltype(&pa_simple_flush) simpleFlush;
    decltype(&pa_simple_drain) simpleDrain;
    decltype(&pa_simple_free) simpleFree;
    decltype(&pa_usec_to_bytes) usecToBytes;
};

const PulseApi* pulse() {
    static const SharedLibrary lib("libpulse-simple.so.0");
    static const PulseApi api{
        lib.function<decltype(&pa_simple_new)>("pa_simple_new"),
        lib.function<decltype(&pa_simple_write)>("pa_simple_write"),
        lib.function<decltype(&pa_simple_get_latency)>("pa_simple_get_latency"),
        lib.function<decltype(&pa_simple_flush)>("pa_simple_flush"),
        lib.function<decltype(&pa_simple_drain)>("pa_simple_drain"),
        lib.function<decltype(&pa_simple_free)>("pa_simple_free"),
        lib.function<decltype(&pa_usec_to_bytes)>("pa_usec_to_bytes")};
    static const bool complete = api.simpleNew && api.simpleWrite && api.simpleGetLatency &&
                                 api.simpleFlush && api.simpleDrain && api.simpleFree &&
                                 api.usecToBytes;
    return complete ? &api : nullptr;
}

// One playback stream; closed when it goes.
class Stream {
  public:
    Stream(SampleFormat format, int rate, int channels, int bufferMs, const char* what)
        : api_(pulse()) {
        if (!api_) return;
        spec_.format = paFormat(format);
        spec_.rate = std::uint32_t(rate);
        spec_.channels = std::uint8_t(channels);
        pa_buffer_attr attr;
        attr.maxlength = std::uint32_t(-1);
        attr.tlength = std::uint32_t(api_->usecToBytes(pa_usec_t(bufferMs) * 1000, &spec_));
        attr.prebuf = std::uint32_t(-1);
        attr.minreq = std::uint32_t(-1);
        attr.fragsize = std::uint32_t(-1);
        int error = 0;
        s_ = api_->simpleNew(nullptr, kAppName, PA_STREAM_PLAYBACK, nullptr, what, &spec_, nullptr,
                             &attr, &error);
    }
    ~Stream() {
        if (s_) api_->simpleFree(s_);
    }
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;

    explicit operator bool() const { return s_ != nullptr; }

    bool write(const void* data, std::size_t bytes) {
        int error = 0;
        return api_->simpleWrite(s_, data, bytes, &error) == 0;
    }

    double latencyMs() {
        int error = 0;
        const pa_usec_t l = api_->simpleGetLatency(s_, &error);
        return error ? 0.0 : double(l) / 1000.0;
    }

    void flush() {
        int error = 0;
        api_->simpleFlush(s_, &error);
    }

    // Returns once what was written has been heard (or, on a sink that buffers
    // a long way ahead, after a bounded wait).
    void finish() {
        const double pending = latencyMs();
        int error = 0;
        if (pending <= kMaxDrainWaitMs) {
            api_->simpleDrain(s_, &error);
            return;
        }
        std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(kMaxDrainWaitMs));
    }

  private:
    const PulseApi* api_;
    pa_sample_spec spec_{};
    pa_simple* s_ = nullptr;
};

// Plays clips one at a time on its own thread.
class ClipPlayer {
  public:
    ~ClipPlayer() {
        {
            std::lock_guard lock(m_);
            quit_ = true;
            ++generation_;
        }
        cv_.notify_all();
        if (worker_.joinable()) worker_.join();
    }

    std::uint64_t start(std::shared_ptr<const PcmClip> clip, bool loop) {
        std::lock_guard lock(m_);
        if (!worker_.joinable()) worker_ = std::thread([this] { run(); });
        pending_ = std::move(clip);
        pendingLoop_ = loop;
        playing_ = true;
        cv_.notify_all();
        return ++generation_;
    }

    void waitFor(std::uint64_t generation) {
        std::unique_lock lock(m_);
        cv_.wait(lock, [&] { return finished_ >= generation || quit_; });
    }

    bool playing() const { return playing_; }

  private:
    void run() {
        std::unique_lock lock(m_);
        for (;;) {
            cv_.wait(lock, [&] { return pending_ || quit_; });
            if (quit_) return;
            auto clip = std::move(pending_);
            pending_.reset();
            const bool loop = pendingLoop_;
            const std::uint64_t generation = generation_;
            lock.unlock();
            play(*clip, loop, generation);
            lock.lock();
            finished_ = std::max(finished_, generation);
            if (generation_ == generation) playing_ = false;
            cv_.notify_all();
        }
    }

    bool superseded(std::uint64_t generation) {
        std::lock_guard lock(m_);
        return generation_ != generation;
    }

    void play(const PcmClip& clip, bool loop, std::uint64_t generation) {
        const std::size_t frame = std::size_t(clip.bytesPerFrame());
        if (frame == 0 || clip.bytes.size() < frame) return;
        Stream stream(clip.format, clip.sampleRate, clip.channels, kClipBufferMs, "clip");
        if (!stream) return;
        const std::size_t slice = std::max<std::size_t>(frame, std::size_t(clip.sampleRate) *
                                                                   kClipSliceMs / 1000 * frame);
        // A very short looped clip is repeated up to a slice, so that the loop
        // does not turn into a stream of tiny writes.
        const std::vector<std::uint8_t>* data = &clip.bytes;
        std::vector<std::uint8_t> repeated;
        if (loop && clip.bytes.size() < slice) {
            const std::size_t whole = clip.bytes.size() - clip.bytes.size() % frame;
            while (repeated.size() < slice)
                repeated.insert(repeated.end(), clip.bytes.begin(), clip.bytes.begin() + whole);
            data = &repeated;
        }
        std::size_t pos = 0;
        for (;;) {
            if (superseded(generation)) {
                stream.flush(); // the next clip starts now, not after our buffered tail
                return;
            }
            const std::size_t n = std::min(slice, data->size() - pos);
            if (!stream.write(data->data() + pos, n)) return;
            pos += n;
            if (pos == data->size()) {
                if (!loop) break;
                pos = 0;
            }
        }
        stream.finish();
    }

    mutable std::mutex m_;
    std::condition_variable cv_;
    std::thread worker_;
    std::shared_ptr<const PcmClip> pending_;
    bool pendingLoop_ = false;
    bool quit_ = false;
    std::uint64_t generation_ = 0;
    std::uint64_t finished_ = 0;
    std::atomic<bool> playing_{false};
};

class PulseSoundDevice final : public SoundDevice {
  public:
    void playTone(std::span<const std::int16_t> samples, int sampleRate) override {
        playPulseTone(samples, sampleRate);
    }

    void startClip(std::shared_ptr<const PcmClip> clip, bool loop) override {
        clips_.start(std::move(clip), loop);
    }

    void playClipAndWait(std::shared_ptr<const PcmClip> clip) override {
        clips_.waitFor(clips_.start(std::move(clip), false));
    }

    bool clipPlaying() const override { return clips_.playing(); }

  private:
    ClipPlayer clips_;
};

SoundDevice* current = nullptr;

} // namespace

void playPulseTone(std::span<const std::int16_t> samples, int sampleRate, ToneStartProbe* probe) {
    const auto t0 = SteadyClock::now();
    const auto length =
        std::chrono::microseconds(std::int64_t(samples.size()) * 1000000 / std::max(1, sampleRate));
    Stream stream(SampleFormat::S16, sampleRate, 1, kToneBufferMs, "tone");
    if (probe) probe->streamOpened();
    if (stream) {
        // The first few milliseconds go alone, so that the server starts playing at once.
        const std::size_t head = std::min(samples.size(), std::size_t(sampleRate / 200));
        bool ok = stream.write(samples.data(), head * 2);
        if (probe) {
            probe->firstSamplesAccepted();
            probe->serverLatency(stream.latencyMs());
        }
        if (ok && head < samples.size())
            ok = stream.write(samples.data() + head, (samples.size() - head) * 2);
        if (ok) stream.finish();
    }
    // Without a server (or if it failed us) the tone still takes its time.
    std::this_thread::sleep_until(t0 + length);
}

SoundDevice& soundDevice() {
    static PulseSoundDevice device;
    return current ? *current : device;
}

SoundDeviceOverride::SoundDeviceOverride(SoundDevice& device) : previous_(current) {
    current = &device;
}
SoundDeviceOverride::~SoundDeviceOverride() {
    current = previous_;
}

} // namespace kok::platform
