// skinkit preview on the portable build: a pack's portable module painted
// as skinpreview paints it, a contact sheet that shows every picture of the
// pack where its layout says, refusals that leave the output as it was, and
// a watch that paints a changed module again.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "image_reader.h"
#include "pictures/contact_sheet.h"
#include "pictures/dib_reader.h"
#include "pictures/font.h"
#include "skin_catalogue.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using preview_test::Image;

fs::path Sandbox(const std::string& name) {
    const fs::path dir = fs::path(testing::TempDir()) / "skinkit_preview" / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return fs::canonical(dir);
}

std::string Text(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

// The exit status of a command run by the shell, its output in dir/stdout and dir/stderr.
int RunShell(const std::string& command, const fs::path& dir) {
    const int status =
        std::system((command + " >'" + (dir / "stdout").string() + "' 2>'" + (dir / "stderr").string() + "'").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

Image Read(const fs::path& file) {
    Image image;
    std::string error;
    EXPECT_TRUE(preview_test::ReadImageFile(file.string(), &image, &error)) << error;
    return image;
}

// "" when the two are the same picture, else where they first differ.
std::string Difference(const Image& actual, const Image& expected) {
    if (actual.width != expected.width || actual.height != expected.height)
        return "size " + std::to_string(actual.width) + "x" + std::to_string(actual.height) + ", expected " +
               std::to_string(expected.width) + "x" + std::to_string(expected.height);
    for (std::size_t i = 0; i < actual.pixels.size(); ++i)
        if (actual.pixels[i] != expected.pixels[i]) {
            std::ostringstream where;
            where << "pixel " << i % actual.width << "," << i / actual.width << " is " << std::hex
                  << actual.pixels[i] << ", expected " << expected.pixels[i];
            return where.str();
        }
    return "";
}

Image AsTestImage(const pictures::Image& image) {
    Image out{image.width(), image.height(), {}};
    for (const pictures::Pixel& pixel : image.pixels()) out.pixels.push_back(pixel.c.key());
    return out;
}

// The default pack's pictures read from its folder, labelled from the catalogue.
std::vector<pictures::SheetEntry> DefaultPackSheet() {
    std::vector<pictures::SheetEntry> entries;
    for (const catalogue::Entry& entry : catalogue::Entries()) {
        const std::string text = Text(fs::path(DEFAULT_PACK_DIR) / "pictures" / entry.fileName());
        const pictures::Bytes file(text.begin(), text.end());
        std::string why;
        pictures::SheetEntry sheetEntry{entry.name, entry.kind == catalogue::Kind::IconGroup, {}};
        if (!sheetEntry.icon) {
            const auto bitmap = pictures::readBitmapFile(file, why);
            EXPECT_TRUE(bitmap) << entry.name << ": " << why;
            if (bitmap)
                sheetEntry.pictures.push_back(
                    {pictures::toImage(*bitmap), pictures::sizeLabel(entry.width, entry.height, entry.bits)});
        } else {
            const auto icons = pictures::readIconFile(file, why);
            EXPECT_TRUE(icons && icons->size() == entry.images.size()) << entry.name << ": " << why;
            for (std::size_t i = 0; icons && i < icons->size() && i < entry.images.size(); ++i)
                sheetEntry.pictures.push_back(
                    {pictures::toImage((*icons)[i]),
                     pictures::sizeLabel(entry.images[i].size, entry.images[i].size, entry.images[i].bits)});
        }
        entries.push_back(std::move(sheetEntry));
    }
    return entries;
}

struct Box {
    int x0, y0, x1, y1;  // x1, y1 past the end
    bool Overlaps(const Box& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};

class PortablePreview : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new fs::path(Sandbox("portable"));
        status_ = RunShell(std::string(SKINKIT_EXE) + " preview " + PORTABLE_MODULE + " -o '" + (*dir_ / "kit").string() +
                          "'",
                      *dir_);
        fs::create_directories(*dir_ / "reference");
        referenceStatus_ = std::system((std::string(SKINPREVIEW_EXE) + " --module " + PORTABLE_MODULE + " --out '" +
                                        (*dir_ / "reference").string() + "' >/dev/null")
                                           .c_str());
    }
    static void TearDownTestSuite() { delete dir_; }

    static fs::path* dir_;
    static int status_;
    static int referenceStatus_;
};
fs::path* PortablePreview::dir_ = nullptr;
int PortablePreview::status_ = -1;
int PortablePreview::referenceStatus_ = -1;

TEST_F(PortablePreview, PaintsTheFacesAsSkinpreviewDoes) {
    ASSERT_EQ(0, status_) << Text(*dir_ / "stderr");
    ASSERT_EQ(0, referenceStatus_);
    EXPECT_EQ("painted " PORTABLE_MODULE " into " + (*dir_ / "kit").string() +
                  ": hall.png tree.png contact.png (",
              Text(*dir_ / "stdout").substr(0, Text(*dir_ / "stdout").find('(') + 1));
    for (const char* face : {"hall.png", "tree.png"}) {
        const Image kit = Read(*dir_ / "kit" / face);
        EXPECT_GT(kit.width, 0) << face;
        EXPECT_EQ("", Difference(kit, Read(*dir_ / "reference" / face))) << face;
    }
}

TEST_F(PortablePreview, ContactSheetShowsEveryPictureWhereItsLayoutSays) {
    ASSERT_EQ(0, status_) << Text(*dir_ / "stderr");
    const Image sheet = Read(*dir_ / "kit" / "contact.png");
    const std::vector<pictures::SheetEntry> entries = DefaultPackSheet();
    const pictures::SheetLayout layout = pictures::layOutSheet(entries);
    ASSERT_EQ(catalogue::Entries().size(), layout.blocks.size());
    ASSERT_EQ(layout.width, sheet.width);
    ASSERT_EQ(layout.height, sheet.height);
    // Names and labels too: the whole sheet, as the layout draws the pack's folder.
    EXPECT_EQ("", Difference(sheet, AsTestImage(pictures::drawSheet(entries, layout))));

    std::vector<std::pair<std::string, Box>> boxes;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const pictures::SheetEntry& entry = entries[i];
        const pictures::SheetBlock& block = layout.blocks[i];
        ASSERT_EQ(entry.pictures.size(), block.cells.size()) << entry.name;
        const int nameWidth = static_cast<int>(entry.name.size()) * pictures::kGlyphAdvance * pictures::kSheetNameScale;
        const int nameHeight = pictures::kLineHeight * pictures::kSheetNameScale;
        boxes.push_back({entry.name, {block.nameX, block.nameY, block.nameX + nameWidth, block.nameY + nameHeight}});
        for (std::size_t k = 0; k < block.cells.size(); ++k) {
            const pictures::Image& picture = entry.pictures[k].image;
            const pictures::SheetCell& cell = block.cells[k];
            const std::string what = entry.name + " image " + std::to_string(k + 1);
            EXPECT_GT(cell.zoom, 1) << what << " is not enlarged";
            const int w = picture.width() * cell.zoom, h = picture.height() * cell.zoom;
            boxes.push_back({what, {cell.x, cell.y, cell.x + w, cell.y + h}});
            ASSERT_LE(cell.x + w, sheet.width) << what;
            ASSERT_LE(cell.y + h, sheet.height) << what;
            int wrong = 0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const pictures::Pixel& p = picture.at(x / cell.zoom, y / cell.zoom);
                    const std::uint32_t expected = p.a >= 128 ? p.c.key() : pictures::checkerAt(x, y).key();
                    wrong += sheet.pixels[static_cast<std::size_t>(cell.y + y) * sheet.width + cell.x + x] != expected;
                }
            EXPECT_EQ(0, wrong) << what << ": pixels that are not the pack's picture";
        }
    }
    for (std::size_t a = 0; a < boxes.size(); ++a)
        for (std::size_t b = a + 1; b < boxes.size(); ++b)
            EXPECT_FALSE(boxes[a].second.Overlaps(boxes[b].second)) << boxes[a].first << " overlaps " << boxes[b].first;
    // Icons are enlarged more than bitmaps.
    EXPECT_GT(layout.blocks.back().cells.front().zoom, layout.blocks.front().cells.front().zoom);
}

TEST(PortablePreviewRefusals, LeaveTheOutputAsItWas) {
    const struct {
        const char* what;
        std::string args;  // "{dir}" is the sandbox; the command runs there
        std::string errStart;
        bool mentionsPortableModule = false;
    } rows[] = {
        {"no such pack", "preview {dir}/nosuch -o {dir}/out", "skinkit preview: no pack folder or module at {dir}/nosuch"},
        {"not a pack", "preview {dir}/notes.txt -o {dir}/out",
         "skinkit preview: {dir}/notes.txt is neither a pack folder nor a module"},
        {"a module that is no skin", "preview " PLATFORM_LIBRARY " -o {dir}/out",
         "skinkit preview: 1 problem(s) with " PLATFORM_LIBRARY "; nothing in {dir}/out was written"},
        {"output is a file", "preview " PORTABLE_MODULE " -o {dir}/notes.txt",
         "skinkit preview: {dir}/notes.txt is not a folder; nothing in {dir}/notes.txt was written"},
        {"output cannot be made", "preview " PORTABLE_MODULE " -o {dir}/notes.txt/out",
         "skinkit preview: cannot make the folder {dir}/notes.txt/out: Not a directory"},
        {"a folder without Wine", "preview " DEFAULT_PACK_DIR " -o {dir}/out",
         "skinkit preview: " DEFAULT_PACK_DIR
         " is a pack folder, whose module runs only on Windows or under Wine; wine is not on PATH",
         true},
    };
    for (const auto& row : rows) {
        const fs::path dir = Sandbox("refusal");
        std::ofstream(dir / "notes.txt") << "not a picture\n";
        fs::create_directory(dir / "out");
        std::ofstream(dir / "out/hall.png") << "the last good one\n";
        std::string args = row.args;
        for (std::size_t at; (at = args.find("{dir}")) != std::string::npos;) args.replace(at, 5, dir.string());
        std::string errStart = row.errStart;
        for (std::size_t at; (at = errStart.find("{dir}")) != std::string::npos;) errStart.replace(at, 5, dir.string());
        EXPECT_EQ(1, RunShell("PATH=/nonexistent " + std::string(SKINKIT_EXE) + " " + args, dir)) << row.what;
        const std::string err = Text(dir / "stderr");
        EXPECT_EQ(errStart, err.substr(0, errStart.size())) << row.what;
        if (row.mentionsPortableModule) {
            EXPECT_NE(std::string::npos, err.find("give the pack's portable module")) << row.what << ": " << err;
        }
        std::vector<std::string> left;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir / "out"))
            left.push_back(entry.path().filename().string());
        EXPECT_EQ(std::vector<std::string>{"hall.png"}, left) << row.what;
        EXPECT_EQ("the last good one\n", Text(dir / "out/hall.png")) << row.what;
    }
}

// A process of the test's own, ended by its PID if it outlives its bound.
class Started {
public:
    explicit Started(const std::vector<std::string>& words, const fs::path& out) {
        std::vector<char*> argv;
        std::vector<std::string> copy = words;
        for (std::string& word : copy) argv.push_back(word.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = 0;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Started() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    bool Running() const { return pid_ > 0; }
    // The exit status, or -1 when it is still running after `bound`.
    int Wait(std::chrono::seconds bound) {
        for (const auto until = std::chrono::steady_clock::now() + bound; std::chrono::steady_clock::now() < until;) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = 0;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return -1;
    }

private:
    pid_t pid_ = 0;
};

bool AppearsWithin(const fs::path& file, std::chrono::seconds bound) {
    for (const auto until = std::chrono::steady_clock::now() + bound; std::chrono::steady_clock::now() < until;) {
        if (fs::exists(file)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

TEST(PortablePreviewWatch, PaintsAChangedModuleAgain) {
    const fs::path dir = Sandbox("watch");
    fs::copy_file(PORTABLE_MODULE, dir / "mine.so");
    Started watch({SKINKIT_EXE, "preview", (dir / "mine.so").string(), "-o", (dir / "out").string(), "--watch",
                   "--repaints", "1"},
                  dir / "log");
    ASSERT_TRUE(watch.Running());
    ASSERT_TRUE(AppearsWithin(dir / "out/hall.png", std::chrono::seconds(30))) << Text(dir / "log");
    const std::string before = Text(dir / "out/hall.png");
    // The second pack's module: other colours, the same pictures.
    fs::copy_file(SECOND_MODULE, dir / "next.so");
    fs::rename(dir / "next.so", dir / "mine.so");
    ASSERT_EQ(0, watch.Wait(std::chrono::seconds(30))) << Text(dir / "log");
    const std::string log = Text(dir / "log");
    const std::size_t line = log.find("\nrepainted hall.png tree.png contact.png (");
    ASSERT_NE(std::string::npos, line) << log;
    EXPECT_NE(std::string::npos, log.find(" ms)\n", line)) << log;
    EXPECT_NE(before, Text(dir / "out/hall.png"));
    EXPECT_FALSE(fs::exists(dir / "out/.hall.png.new1"));
}

}  // namespace
