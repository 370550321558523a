// A libretro core that emulates nothing, for testing the host without a
// real core: a "game" is a file starting with "FAKE" and a digit that picks
// the pixel layout; every frame is 8 x 4 pixels of one colour, the frame
// count sits in its "work RAM" with the pad, and a state is that RAM.
// A letter after the digit makes the core misbehave the way it names:
//   n  every environment call the host serves, without data, at load
//   p  no pixel layout set at load (the default 0RGB1555 is drawn)
//   m  300 long messages and 300 log lines at load
//   a  sound without samples        A  too many sound frames at once
//   v  a picture far too wide       s  a state size of SIZE_MAX
#include <libretro.h>

#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>

namespace {

retro_environment_t environment;
retro_video_refresh_t video;
retro_audio_sample_batch_t audioBatch;
retro_input_poll_t inputPoll;
retro_input_state_t inputState;
retro_log_printf_t logPrintf;

retro_pixel_format format = RETRO_PIXEL_FORMAT_0RGB1555;
char misbehaviour = 0;
unsigned char ram[16];
unsigned char pixels[8 * 4 * 4 + 64];

constexpr unsigned kWidth = 8;
constexpr unsigned kHeight = 4;
constexpr size_t kPitch = 48;  // wider than any row, as cores may have it

void count(unsigned offset, unsigned value)
{
    ram[offset] = static_cast<unsigned char>(value);
    ram[offset + 1] = static_cast<unsigned char>(value >> 8);
}

// Pure red in each layout.
void drawFrame()
{
    for (unsigned y = 0; y < kHeight; ++y) {
        for (unsigned x = 0; x < kWidth; ++x) {
            unsigned char* at = pixels + y * kPitch + x * (format == RETRO_PIXEL_FORMAT_XRGB8888 ? 4 : 2);
            if (format == RETRO_PIXEL_FORMAT_XRGB8888) {
                const unsigned value = 0x00FF0000u;
                std::memcpy(at, &value, 4);
            } else {
                const unsigned short value = format == RETRO_PIXEL_FORMAT_RGB565 ? 0xF800 : 0x7C00;
                std::memcpy(at, &value, 2);
            }
        }
    }
}

}  // namespace

extern "C" {

RETRO_API unsigned retro_api_version(void) { return RETRO_API_VERSION; }

RETRO_API void retro_get_system_info(retro_system_info* info)
{
    std::memset(info, 0, sizeof *info);
    info->library_name = "fake";
    info->library_version = "1.0";
    info->valid_extensions = "fake";
}

RETRO_API void retro_get_system_av_info(retro_system_av_info* info)
{
    std::memset(info, 0, sizeof *info);
    info->geometry = {kWidth, kHeight, kWidth, kHeight, 2.0f};
    info->timing = {50.0, 44100.0};
}

RETRO_API void retro_set_environment(retro_environment_t callback)
{
    environment = callback;
    retro_log_callback log{};
    if (environment(RETRO_ENVIRONMENT_GET_LOG_INTERFACE, &log))
        logPrintf = log.log;
}
RETRO_API void retro_set_video_refresh(retro_video_refresh_t callback) { video = callback; }
RETRO_API void retro_set_audio_sample(retro_audio_sample_t) {}
RETRO_API void retro_set_audio_sample_batch(retro_audio_sample_batch_t callback) { audioBatch = callback; }
RETRO_API void retro_set_input_poll(retro_input_poll_t callback) { inputPoll = callback; }
RETRO_API void retro_set_input_state(retro_input_state_t callback) { inputState = callback; }
RETRO_API void retro_set_controller_port_device(unsigned, unsigned) {}

RETRO_API void retro_init(void)
{
    std::memset(ram, 0, sizeof ram);
    format = RETRO_PIXEL_FORMAT_0RGB1555;
    misbehaviour = 0;
}
RETRO_API void retro_deinit(void) {}

RETRO_API bool retro_load_game(const retro_game_info* game)
{
    if (!game || !game->data || game->size < 5 || std::memcmp(game->data, "FAKE", 4) != 0) {
        if (logPrintf)
            logPrintf(RETRO_LOG_ERROR, "fake: this is no fake game (%u bytes)\n", game ? unsigned(game->size) : 0u);
        return false;
    }
    const char digit = static_cast<const char*>(game->data)[4];
    misbehaviour = game->size > 5 ? static_cast<const char*>(game->data)[5] : 0;
    if (misbehaviour == 'n')
        for (unsigned command : {RETRO_ENVIRONMENT_GET_CAN_DUPE, RETRO_ENVIRONMENT_GET_OVERSCAN,
                                 RETRO_ENVIRONMENT_SET_PIXEL_FORMAT, RETRO_ENVIRONMENT_GET_LOG_INTERFACE,
                                 RETRO_ENVIRONMENT_GET_LIBRETRO_PATH, RETRO_ENVIRONMENT_GET_VARIABLE,
                                 RETRO_ENVIRONMENT_GET_VARIABLE_UPDATE, RETRO_ENVIRONMENT_SET_MESSAGE,
                                 RETRO_ENVIRONMENT_SET_SYSTEM_AV_INFO, RETRO_ENVIRONMENT_SET_VARIABLES})
            environment(command, nullptr);
    if (misbehaviour == 'm') {
        const std::string text(5000, 'm');
        const retro_message message{text.c_str(), 60};
        for (int i = 0; i < 300; ++i) {
            environment(RETRO_ENVIRONMENT_SET_MESSAGE, const_cast<retro_message*>(&message));
            if (logPrintf)
                logPrintf(RETRO_LOG_INFO, "fake: line %d %s\n", i, text.c_str());
        }
    }
    format = misbehaviour == 'p' ? RETRO_PIXEL_FORMAT_0RGB1555 : static_cast<retro_pixel_format>(digit - '0');
    if (misbehaviour != 'p' && !environment(RETRO_ENVIRONMENT_SET_PIXEL_FORMAT, &format)) {
        if (logPrintf)
            logPrintf(RETRO_LOG_ERROR, "fake: pixel format %d refused\n", int(format));
        return false;
    }
    std::memset(ram, 0, sizeof ram);
    return true;
}

RETRO_API bool retro_load_game_special(unsigned, const retro_game_info*, size_t) { return false; }
RETRO_API void retro_unload_game(void) {}
RETRO_API unsigned retro_get_region(void) { return RETRO_REGION_PAL; }

RETRO_API void retro_run(void)
{
    inputPoll();
    count(0, unsigned(ram[0] | ram[1] << 8) + 1);
    count(2, static_cast<unsigned short>(inputState(0, RETRO_DEVICE_JOYPAD, 0, RETRO_DEVICE_ID_JOYPAD_MASK)));
    // Each button read on its own as well.
    unsigned buttons = 0;
    for (unsigned id = 0; id < 16; ++id)
        if (inputState(0, RETRO_DEVICE_JOYPAD, 0, id))
            buttons |= 1u << id;
    count(4, buttons);
    drawFrame();
    video(pixels, misbehaviour == 'v' ? 100000 : kWidth, kHeight, kPitch);
    const short silence[2 * 882] = {};
    audioBatch(misbehaviour == 'a' ? nullptr : silence, misbehaviour == 'A' ? SIZE_MAX / 4 : 882);
}

RETRO_API void retro_reset(void) { count(0, 0); }

RETRO_API size_t retro_serialize_size(void) { return misbehaviour == 's' ? SIZE_MAX : sizeof ram; }
RETRO_API bool retro_serialize(void* data, size_t size)
{
    if (size < sizeof ram)
        return false;
    std::memcpy(data, ram, sizeof ram);
    return true;
}
RETRO_API bool retro_unserialize(const void* data, size_t size)
{
    if (size != sizeof ram)
        return false;
    std::memcpy(ram, data, sizeof ram);
    return true;
}

RETRO_API void retro_cheat_reset(void) {}
RETRO_API void retro_cheat_set(unsigned, bool, const char*) {}
RETRO_API void* retro_get_memory_data(unsigned id) { return id == RETRO_MEMORY_SYSTEM_RAM ? ram : nullptr; }
RETRO_API size_t retro_get_memory_size(unsigned id) { return id == RETRO_MEMORY_SYSTEM_RAM ? sizeof ram : 0; }

}  // extern "C"
