#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <regex>

#include "RunProgram.h"
#include "ShopFixture.h"

namespace {

const char kSmallShop[] = R"(
-- Templates/shop/mxinfo.dat --
main:index:html
category:cat:html
-- Templates/shop/index.html --
!!storename!!
-- Templates/shop/cat.html --
!!catname!!
)";

ProgramResult Marlix(const ShopFixture& shop, const std::string& catalog) {
    return RunProgram({MARLIX_BIN, "--home", shop.home.path(), "generate", catalog});
}

}  // namespace

TEST(GenerateCommand, PrintsEachStatusLineAndExitsByTheEnding) {
    ShopFixture shop(kSmallShop);
    ProgramResult r = Marlix(shop, shop.catalog.CatalogFolder);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(std::regex_match(
        r.out, std::regex("Vivivud Generation: Preparing Output Directory\\.\n"
                          "Working on File: index\\.html\n"
                          "Working on Category: Mugs\nWorking on Category: Cups\n"
                          "Working on Category: Plates\n"
                          "(Copied File: [a-z0-9.]+\n){7}"
                          "(Working on Image: [A-Za-z]+\n){3}"
                          "Working on Image: Mug\nSkipped Picture: i100\\.jpg \\([^\n]*\\)\n"
                          "Working on Image: Cup\nWorking on Image: Plate\n"
                          "Vivivud Generation Succeeded\\.\nTime: [0-9]+ sec\\.\n")))
        << r.out;
    EXPECT_EQ(ReadFileBytes(shop.catalog.CatalogFolder + "/output/cat10.html"), "Mugs\n");

    std::filesystem::remove(shop.home / "Templates/shop/mxinfo.dat");
    r = Marlix(shop, shop.catalog.CatalogFolder);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "Vivivud Generation Failed: Bad Template.\n");

    r = Marlix(shop, shop.home / "NoSuchCatalog");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "Catalog Load Failed.\n");
}

TEST(GenerateCommand, InterruptCancelsTheRunEvenInsideAScript) {
    ShopFixture shop(kSmallShop);
    WriteFileBytes(shop.home / "Templates/shop/index.html",
                   "<!-- BEGINKALO WHILE 1 < 2 DO [ SET %I := 1 ] ENDKALO -->\n");
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        execl(MARLIX_BIN, MARLIX_BIN, "--home", shop.home.path().c_str(), "generate",
              shop.catalog.CatalogFolder.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    // Interrupt once the page with the endless script has begun.
    std::string text;
    char buffer[256];
    ssize_t n;
    bool interrupted = false;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<size_t>(n));
        if (!interrupted && text.find("Working on File: index.html\n") != std::string::npos) {
            kill(child, SIGINT);
            interrupted = true;
        }
    }
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_TRUE(std::regex_search(text, std::regex("Working on File: index\\.html\n"
                                                   "Vivivud Generation Cancelled\\.\nTime: [0-9]+ sec\\.\n$")))
        << text;
}
