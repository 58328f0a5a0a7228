// Random mutations and truncations of a good readings file: opening one never crashes, and a
// file is applied whole or not at all. PLENOVA_RANDOM_ACTIONS sets the length (a hundredth of
// it in files; 2000 by default, ten thousand in the sanitizer build); PLENOVA_SEED the seed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "core/fpenv.h"
#include "files/readings_file.h"
#include "files_test_support.h"
#include "session_invariants.h"

namespace plenova {
namespace {

using namespace plenova::testing;

long long fromEnvironment(const char* name, long long fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::atoll(value) : fallback;
}

class Mutator {
  public:
    explicit Mutator(std::uint64_t seed) : random_(seed) {}

    std::string mutate(std::string text) {
        const int edits = 1 + static_cast<int>(pick(3));
        for (int i = 0; i < edits && !text.empty(); ++i) {
            const std::size_t at = pick(text.size());
            switch (pick(7)) {
                case 0:  // any byte
                    text[at] = static_cast<char>(pick(256));
                    break;
                case 1:  // a digit for a digit: often still a good file, with other readings
                    if (text[at] >= '0' && text[at] <= '9') {
                        text[at] = static_cast<char>('0' + pick(10));
                    } else {
                        text[pick(text.size())] = static_cast<char>('0' + pick(10));
                    }
                    break;
                case 2:  // a byte more
                    text.insert(at, 1, "{}[],:\"0-e.\\ \n\xC3"[pick(15)]);
                    break;
                case 3:  // a stretch less
                    text.erase(at, pick(40));
                    break;
                case 4:  // a stretch twice
                    text.insert(at, text.substr(pick(text.size()), pick(60)));
                    break;
                case 5:  // truncated
                    text.resize(at);
                    break;
                default:  // a sign, inserted as a character: as a C string GCC 12 at -O3
                          // reports a false -Wrestrict
                    text.insert(at, 1, '-');
                    break;
            }
        }
        return text;
    }

    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

  private:
    std::mt19937_64 random_;
};

TEST(ReadingsFuzz, AFileIsAppliedWholeOrNotAtAll) {
    setArithmeticEnvironment();
    const auto seed = static_cast<std::uint64_t>(fromEnvironment("PLENOVA_SEED", 1));
    const long long mutants =
        std::max(300LL, fromEnvironment("PLENOVA_RANDOM_ACTIONS", 200000) / 100);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    Calculator calc;
    calc.FormCreate();
    moveAwayFromStart(calc, 11);
    Calculator source;
    source.FormCreate();
    moveAwayFromStart(source, 4);
    const std::string good = readingsToJson(source, captureReadings(source));

    Mutator mutator(seed);
    int applied = 0;
    for (long long i = 0; i < mutants; ++i) {
        const std::string text = mutator.mutate(good);
        const QString path =
            writeFile(dir, QStringLiteral("mutant.plenova"), QByteArray::fromStdString(text));
        ASSERT_FALSE(path.isEmpty());
        const FullState before = fullState(calc);
        FileOutcome outcome;
        try {
            outcome = openReadingsFile(path, calc);
        } catch (const std::exception& error) {
            FAIL() << "seed " << seed << ", mutant " << i << " raised " << error.what() << ":\n"
                   << text;
        }
        if (!outcome.ok) {
            ASSERT_TRUE(fullState(calc) == before)
                << "seed " << seed << ", mutant " << i << " was applied in part:\n"
                << text;
            continue;
        }
        ++applied;
        // Applied whole: the same as the file opened into a fresh calculator, and a session
        // that keeps every rule.
        ASSERT_EQ(checkInvariants(calc), "") << "seed " << seed << ", mutant " << i << ":\n"
                                             << text;
        Calculator fresh;
        fresh.FormCreate();
        ASSERT_TRUE(openReadingsFile(path, fresh).ok);
        ASSERT_TRUE(fullState(fresh) == fullState(calc)) << "seed " << seed << ", mutant " << i;
    }
    // Some mutants were good files with other readings (about 2 %), and most were refused.
    EXPECT_GT(applied, mutants / 100);
    EXPECT_LT(applied, mutants / 2);
}

}  // namespace
}  // namespace plenova
