// gtest first: X11 defines macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/CModel.h"
#include "support/GlWindow.h"
#include "support/Narration.h"
#include "tools/assets/AssetManifest.h"
#include "tools/assets/TrophyPrices.h"
#include "ui/CClickableImage.h"

namespace fs = std::filesystem;

namespace {

const std::string kSources = ZELK_SOURCE_DIR;
const std::string kGame = ZELK_GAME_DIR;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The string literals of a C++ source, comments left out.
std::vector<std::string> Literals(const std::string& code) {
    std::vector<std::string> found;
    size_t i = 0;
    while (i < code.size()) {
        if (code.compare(i, 2, "//") == 0) {
            i = code.find('\n', i);
            if (i == std::string::npos) break;
        } else if (code.compare(i, 2, "/*") == 0) {
            i = code.find("*/", i + 2);
            if (i == std::string::npos) break;
            i += 2;
        } else if (code[i] == '\'') {
            for (++i; i < code.size() && code[i] != '\''; ++i)
                if (code[i] == '\\') ++i;
            ++i;
        } else if (code[i] == '"') {
            std::string text;
            for (++i; i < code.size() && code[i] != '"'; ++i) {
                if (code[i] == '\\' && i + 1 < code.size()) ++i;
                text += code[i];
            }
            ++i;
            found.push_back(text);
        } else {
            ++i;
        }
    }
    return found;
}

// Every ".png" and ".mp3" name written in the game's code.
std::set<std::string> NamesInCode() {
    static const std::regex name(R"(^[A-Za-z0-9_%.\-]+\.(png|mp3)$)");
    std::set<std::string> names;
    for (const char* folder : {"app", "core", "ui", "scenes", "minigames"}) {
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(kSources) / folder)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".h") continue;
            for (const std::string& literal : Literals(ReadFile(entry.path())))
                if (std::regex_match(literal, name) && literal[0] != '.') names.insert(literal);
        }
    }
    return names;
}

bool IsPattern(const std::string& name) { return name.find('%') != std::string::npos; }

const AssetManifest::Pattern* FindPattern(const std::string& format) {
    for (const auto& p : AssetManifest::Patterns())
        if (format == p.format) return &p;
    return nullptr;
}

struct PngHeader {
    bool ok = false;
    unsigned width = 0, height = 0;
    int bitDepth = 0, colourType = -1;
};

PngHeader ReadHeader(const std::string& path) {
    PngHeader h;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return h;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, f);
        png_read_info(png, info);
        h.width = png_get_image_width(png, info);
        h.height = png_get_image_height(png, info);
        h.bitDepth = png_get_bit_depth(png, info);
        h.colourType = png_get_color_type(png, info);
        h.ok = true;
    }
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(f);
    return h;
}

bool PowerOfTwo(unsigned n) { return n != 0 && (n & (n - 1)) == 0; }

// The game looks for its folders under the working directory.
class InGameFolder {
public:
    InGameFolder() : previous(fs::current_path()) { fs::current_path(kGame); }
    ~InGameFolder() { fs::current_path(previous); }

private:
    fs::path previous;
};

}  // namespace

TEST(Assets, TheLiteralReaderSkipsCommentsAndKeepsStrings) {
    const auto found = Literals("// \"a.png\"\nx(\"b.png\"); /* \"c.mp3\" */ y('\"', \"d\\\"e.mp3\");");
    EXPECT_EQ(found, (std::vector<std::string>{"b.png", "d\"e.mp3"}));
}

TEST(Assets, PatternsExpandOverEveryRow) {
    const AssetManifest::Pattern p{"Icon_Minigame%d_%d.png", {{{1, 1}, {9, 10}}, {{3, 3}, {5, 5}}}};
    EXPECT_EQ(AssetManifest::Expand(p), (std::vector<std::string>{"Icon_Minigame1_9.png", "Icon_Minigame1_10.png",
                                                                   "Icon_Minigame3_5.png"}));
}

TEST(Assets, EveryNameTheCodeUsesIsInTheManifest) {
    const auto pictures = AssetManifest::Pictures();
    const auto sounds = AssetManifest::Sounds();
    std::set<std::string> declared(pictures.begin(), pictures.end());
    declared.insert(sounds.begin(), sounds.end());
    const std::set<std::string> used = NamesInCode();
    ASSERT_FALSE(used.empty()) << "no file name found in the code under " << kSources;
    for (const std::string& name : used) {
        if (IsPattern(name)) {
            const AssetManifest::Pattern* p = FindPattern(name);
            ASSERT_NE(p, nullptr) << "the code builds \"" << name
                                  << "\" with printf: declare its index ranges in AssetManifest::Patterns";
            for (const std::string& n : AssetManifest::Expand(*p))
                EXPECT_TRUE(declared.count(n)) << n << " (from " << name << ") is not in the manifest";
        } else {
            EXPECT_TRUE(declared.count(name)) << name << " is used by the code but not in the manifest";
        }
    }
}

TEST(Assets, TheManifestNamesEachFileOnce) {
    auto names = AssetManifest::Pictures();
    const auto sounds = AssetManifest::Sounds();
    names.insert(names.end(), sounds.begin(), sounds.end());
    std::set<std::string> unique(names.begin(), names.end());
    EXPECT_EQ(unique.size(), names.size());
}

TEST(Assets, EveryPictureIsAnEightBitRgbaPngWithPowerOfTwoSides) {
    for (const std::string& name : AssetManifest::Pictures()) {
        const std::string path = kGame + "/Images/" + name;
        const PngHeader h = ReadHeader(path);
        ASSERT_TRUE(h.ok) << path << " was not made or is not a PNG";
        EXPECT_EQ(h.bitDepth, 8) << name;
        EXPECT_EQ(h.colourType, PNG_COLOR_TYPE_RGBA) << name;
        EXPECT_TRUE(PowerOfTwo(h.width) && PowerOfTwo(h.height)) << name << " is " << h.width << " x " << h.height;
    }
}

TEST(Assets, EveryPictureLoadsThroughSoilAtHalfItsSize) {
    InGameFolder here;
    GlWindow::BeginFrame();
    for (const std::string& name : AssetManifest::Pictures()) {
        const PngHeader h = ReadHeader(kGame + "/Images/" + name);
        testing::internal::CaptureStdout();
        CClickableImage image(name.c_str());
        const std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_NE(image.GetTexture(), 0u) << name << ": " << printed;
        EXPECT_EQ(image.GetWidth(), static_cast<int>(h.width / 2)) << name;
        EXPECT_EQ(image.GetHeight(), static_cast<int>(h.height / 2)) << name;
    }
}

TEST(Assets, EverySoundDecodesThroughSdlMixerAndIsNotSilent) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048), 0) << Mix_GetError();
    Mix_Init(MIX_INIT_MP3);
    for (const std::string& name : AssetManifest::Sounds()) {
        const std::string path = kGame + "/Sounds/" + name;
        ASSERT_TRUE(fs::exists(path)) << path << " was not made";
        Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
        ASSERT_NE(chunk, nullptr) << name << ": " << Mix_GetError();
        // 16-bit stereo at 44.1 kHz: four bytes a frame.
        EXPECT_GT(chunk->alen, 44100u * 4 / 10) << name << " lasts under a tenth of a second";
        const int16_t* samples = reinterpret_cast<const int16_t*>(chunk->abuf);
        int peak = 0;
        for (Uint32 k = 0; k < chunk->alen / 2; ++k) peak = std::max(peak, std::abs(static_cast<int>(samples[k])));
        EXPECT_GT(peak, 1000) << name << " is silent";
        EXPECT_LT(peak, 32767) << name << " clips";
        Mix_FreeChunk(chunk);
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// Every spoken line has its slow twin, a quarter slower (sox's tempo 0.75
// makes it 4/3 as long): slow enough to follow, not so slow it drags.
TEST(Assets, EveryVoiceHasASlowTwinAThirdLonger) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048), 0) << Mix_GetError();
    Mix_Init(MIX_INIT_MP3);
    const auto lines = NarrationLines();
    ASSERT_GT(lines.size(), 200u);
    for (const auto& line : lines) {
        Mix_Chunk* normal = Mix_LoadWAV((kGame + "/Sounds/" + line.first).c_str());
        Mix_Chunk* slow = Mix_LoadWAV((kGame + "/Sounds/slow/" + line.first).c_str());
        EXPECT_NE(normal, nullptr) << line.first;
        EXPECT_NE(slow, nullptr) << "no slow " << line.first;
        if (normal != nullptr && slow != nullptr) {
            const double ratio = static_cast<double>(slow->alen) / normal->alen;
            EXPECT_GE(ratio, 1.25) << line.first;
            EXPECT_LE(ratio, 1.4) << line.first;
        }
        if (normal) Mix_FreeChunk(normal);
        if (slow) Mix_FreeChunk(slow);
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TEST(Assets, TheMusicIsQuieterThanTheVoices) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0);
    ASSERT_EQ(Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048), 0);
    auto rms = [](const std::string& name) {
        Mix_Chunk* chunk = Mix_LoadWAV((kGame + "/Sounds/" + name).c_str());
        if (!chunk) return 0.0;
        const int16_t* s = reinterpret_cast<const int16_t*>(chunk->abuf);
        double sum = 0;
        const size_t n = chunk->alen / 2;
        for (size_t k = 0; k < n; ++k) sum += static_cast<double>(s[k]) * s[k];
        Mix_FreeChunk(chunk);
        return std::sqrt(sum / std::max<size_t>(n, 1));
    };
    const double voice = rms("mainmenuInstruction.mp3");
    for (const char* music : {"SplashMusic.mp3", "Music2.mp3", "Music3.mp3", "musicRewards.mp3"})
        EXPECT_LT(rms(music), voice / 2) << music << " would drown the spoken help";
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TEST(Assets, TheTrophiesMetalFollowsTheGamesPrices) {
    InGameFolder here;
    CModel model;
    for (int i = 0; i < TrophyPrices::kCount; ++i) EXPECT_EQ(model.GetTrophyCost(i), TrophyPrices::kPrice[i]) << i;
}
