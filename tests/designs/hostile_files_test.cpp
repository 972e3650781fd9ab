// Design files and user-named files that try to hurt: nesting deep enough to
// overflow a recursive copy, versions that are no version, empty values the
// command line refuses, and names of FIFOs and devices that would block or
// never end.
#include "boundedfile.h"
#include "designfile.h"
#include "fielddescriptions.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>

using namespace velmora;
using namespace velmora::designs;

namespace {

class OneTab : public calc::Calculator
{
public:
    OneTab()
    {
        m_description.id = "test.tab";
        m_description.fields = {
            calc::numberInput("theta_deg", "", {"角度", "angle"}, "°", 1.0, "30", 0, 90)};
    }
    const calc::CalculatorDescription &description() const override { return m_description; }
    calc::Result evaluate(const calc::Inputs &) const override { return {}; }

private:
    calc::CalculatorDescription m_description;
};

calc::Catalogue oneTabCatalogue()
{
    calc::Catalogue c;
    c.add(std::make_unique<OneTab>());
    return c;
}

std::string designWith(const std::string &tabs, const std::string &version = "1")
{
    return "{\"format\": \"velmora-design\", \"version\": " + version +
           ", \"fiber\": {}, \"page\": \"\", \"tab\": 0, \"tabs\": " + tabs + "}";
}

// A path in a fresh directory, removed with it.
class TempDir
{
public:
    TempDir()
    {
        char pattern[] = "/tmp/velmora-hostile-XXXXXX";
        m_path = ::mkdtemp(pattern);
    }
    ~TempDir()
    {
        for (const char *name : {"fifo", "big", "ok"})
            ::unlink(path(name).c_str());
        ::rmdir(m_path.c_str());
    }
    std::string path(const char *name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

} // namespace

TEST(HostileDesign, DeepNestingIsRefusedWithoutRecursion)
{
    const calc::Catalogue catalogue = oneTabCatalogue();
    for (const auto &[open, close] : {std::pair{'[', ']'}, std::pair{'{', '}'}}) {
        std::string deep;
        for (int i = 0; i < 200000; ++i)
            deep += open == '[' ? "[" : "{\"k\":";
        deep += "0";
        deep += std::string(200000, close);
        const DesignReading r =
            readDesign(designWith("{\"test.tab\": {\"x\": " + deep + "}}"), catalogue);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.error.en.find("nests deeper"), std::string::npos) << r.error.en;
    }
}

TEST(HostileDesign, VersionMustBeAPositiveSupportedOne)
{
    const calc::Catalogue catalogue = oneTabCatalogue();
    EXPECT_TRUE(readDesign(designWith("{}"), catalogue).ok);
    for (const char *version : {"0", "-7"}) {
        const DesignReading r = readDesign(designWith("{}", version), catalogue);
        EXPECT_FALSE(r.ok) << version;
        EXPECT_NE(r.error.en.find("not valid"), std::string::npos) << r.error.en;
    }
}

TEST(HostileDesign, EmptyAndLongValuesAreRefusedAsTheCommandLineRefusesThem)
{
    const calc::Catalogue catalogue = oneTabCatalogue();
    const DesignReading empty =
        readDesign(designWith("{\"test.tab\": {\"theta_deg\": \"\"}}"), catalogue);
    EXPECT_FALSE(empty.ok);
    EXPECT_NE(empty.error.en.find("theta_deg: must not be empty"), std::string::npos)
        << empty.error.en;
    const std::string huge(1000000, '9');
    const DesignReading long_ =
        readDesign(designWith("{\"test.tab\": {\"theta_deg\": \"" + huge + "\"}}"), catalogue);
    EXPECT_FALSE(long_.ok);
    EXPECT_LT(long_.error.en.size(), 300u);
}

TEST(BoundedFile, ReadsRegularFilesOnlyAndNeverBlocks)
{
    using namespace boundedfile;
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.path("fifo").c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(readRegularFile(dir.path("fifo")).failure, Failure::NotRegular);
    for (const char *device : {"/dev/zero", "/dev/urandom", "/dev/null"})
        EXPECT_EQ(readRegularFile(device).failure, Failure::NotRegular) << device;
    EXPECT_EQ(readRegularFile("/tmp").failure, Failure::NotRegular);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(readRegularFile(dir.path("missing")).failure, Failure::CannotOpen);

    std::ofstream(dir.path("ok")) << "1,2,3\n";
    const Reading ok = readRegularFile(dir.path("ok"));
    EXPECT_EQ(ok.failure, Failure::None);
    EXPECT_EQ(ok.text, "1,2,3\n");
    {
        std::ofstream big(dir.path("big"));
        big << std::string(1025, 'x');
    }
    EXPECT_EQ(readRegularFile(dir.path("big"), 1024).failure, Failure::TooLarge);
    EXPECT_EQ(readRegularFile(dir.path("big"), 1025).text.size(), 1025u);
    Failure failure = Failure::None;
    EXPECT_EQ(openRegularFile(dir.path("fifo"), kMaxUserFileBytes, &failure), nullptr);
    EXPECT_EQ(failure, Failure::NotRegular);
}
