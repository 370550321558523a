#include "play/views/runaudio.h"

#ifdef TESSEL_HAVE_AUDIO

#include "play/audioresampler.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>
#include <cmath>
#include <optional>
#endif

namespace tessel {

#ifdef TESSEL_HAVE_AUDIO
namespace {
constexpr int kBufferMilliseconds = 120;
}

struct RunAudio::Device {
    std::unique_ptr<QAudioSink> sink;
    QIODevice* output = nullptr;
    std::optional<AudioResampler> resampler;
};

bool RunAudio::isAvailable()
{
    return true;
}

bool RunAudio::open(double sampleRate)
{
    close();
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull())
        return false;
    QAudioFormat format;
    format.setSampleRate(int(std::lround(sampleRate)));
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    auto device = std::make_unique<Device>();
    if (!output.isFormatSupported(format)) {
        // The device's own rate, converted to.
        format.setSampleRate(output.preferredFormat().sampleRate());
        if (!output.isFormatSupported(format))
            return false;
        device->resampler.emplace(sampleRate, format.sampleRate());
    }
    device->sink = std::make_unique<QAudioSink>(output, format);
    device->sink->setBufferSize(format.bytesForDuration(kBufferMilliseconds * 1000));
    device->output = device->sink->start();
    if (!device->output || device->sink->error() != QAudio::NoError)
        return false;
    device_ = std::move(device);
    return true;
}

void RunAudio::close()
{
    if (device_ && device_->sink)
        device_->sink->stop();
    device_.reset();
}

void RunAudio::write(const std::vector<qint16>& samples)
{
    if (!device_ || samples.empty())
        return;
    const std::vector<qint16> converted = device_->resampler ? device_->resampler->process(samples) : samples;
    const qsizetype bytes = qsizetype(converted.size() * sizeof(qint16));
    const qsizetype room = device_->sink->bytesFree() / 4 * 4;  // whole stereo frames
    device_->output->write(reinterpret_cast<const char*>(converted.data()), std::min(bytes, room));
}

void RunAudio::suspend()
{
    if (device_)
        device_->sink->suspend();
}

void RunAudio::resume()
{
    if (device_)
        device_->sink->resume();
}

#else  // built without Qt Multimedia: silence

struct RunAudio::Device {};

bool RunAudio::isAvailable()
{
    return false;
}

bool RunAudio::open(double)
{
    return false;
}

void RunAudio::close() {}
void RunAudio::write(const std::vector<qint16>&) {}
void RunAudio::suspend() {}
void RunAudio::resume() {}

#endif

RunAudio::RunAudio() = default;

RunAudio::~RunAudio()
{
    close();
}

bool RunAudio::isOpen() const
{
    return device_ != nullptr;
}

}  // namespace tessel
