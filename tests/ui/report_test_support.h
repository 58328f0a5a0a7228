// Shared helpers of the report's UI tests: a watchdog that never lets a modal window block a
// headless run, a fixture with a Print page of its own, and readers for the PDFs the report
// writes (poppler's pdftotext and pdfinfo).
#pragma once

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <functional>
#include <optional>
#include <utility>

#include "core/fpenv.h"
#include "modules/calculator.h"
#include "ui/report/print_page.h"
#include "ui/report/report_preview.h"

namespace report_test {

// The exit status of a test that could not run here, registered with ctest as SKIP_RETURN_CODE
// (the status tests/ui/cups-pdf-queue also uses).
inline constexpr int kSkipped = 77;

// Closes every modal window that appears and remembers what it said, so that a test can check
// an expected error box and fail on an unexpected one instead of hanging.
class ModalWatchdog : public QObject {
  public:
    struct Seen {
        QString windowTitle;
        QString text;
    };

    ModalWatchdog() {
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { check(); });
        timer_.start();
    }

    // The modal windows closed since the last call.
    QList<Seen> take() { return std::exchange(seen_, {}); }

    // Lets a test answer a modal window itself (a file dialog, say) instead of closing it.
    void setHandler(std::function<bool(QWidget*)> handler) { handler_ = std::move(handler); }

  private:
    void check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        if (handler_ && handler_(modal)) {
            return;
        }
        Seen seen{modal->windowTitle(), {}};
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.text = box->text();
        }
        seen_.append(seen);
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }

    QTimer timer_;
    QList<Seen> seen_;
    std::function<bool(QWidget*)> handler_;
};

// No printer is reachable, whatever this machine has installed: a CUPS server that does not
// exist, and no printer named by the environment. Called before the application is made.
inline void cutOffPrinters() {
    qputenv("CUPS_SERVER", "/nonexistent/plenova-tests/cups.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
}

// The base of the Print page tests: a shown Print page on a fresh calculator for every test
// function, and a failure for any modal window the test did not take from the watchdog. QTest
// runs these inherited init() and cleanup() slots around each test function; a test class
// that needs more set-up declares its own and calls them.
class PrintPageTest : public QObject {
    Q_OBJECT

  protected:
    // `size`: the page's size before it shows; an invalid one leaves the page its own.
    explicit PrintPageTest(QSize size = {}) : size_(size) {}

    QLineEdit* titleBox() { return page_->findChild<QLineEdit*>(QStringLiteral("EditQRtitle")); }

    plenova::Calculator* calc_ = nullptr;
    plenova::PrintPage* page_ = nullptr;
    ModalWatchdog watchdog_;

  protected Q_SLOTS:
    void init() {
        plenova::setArithmeticEnvironment();
        calc_ = new plenova::Calculator;
        calc_->FormCreate();
        page_ = new plenova::PrintPage(*calc_);
        if (size_.isValid()) {
            page_->resize(size_);
        }
        page_->show();
        QVERIFY(QTest::qWaitForWindowExposed(page_));
    }
    void cleanup() {
        watchdog_.setHandler(nullptr);  // a test's own answer to a modal window ends with it
        delete page_;
        delete calc_;
        QVERIFY(watchdog_.take().isEmpty());
    }

  private:
    QSize size_;
};

// Presses "Preview" on the page and runs `whileOpen` inside the preview's event loop; the
// preview is closed afterwards in any case, so that the test goes on. Returns whether
// "Preview" returned only after the preview had closed.
inline bool whilePreviewOpen(plenova::PrintPage& page,
                             const std::function<void(plenova::ReportPreview*)>& whileOpen) {
    bool closed = false;
    QTimer::singleShot(0, &page, [&] {
        plenova::ReportPreview* preview = page.report().openPreview();
        if (preview != nullptr) {
            whileOpen(preview);
            preview->close();
        }
        closed = true;
    });
    // A preview left open would keep "Preview" waiting: close it and let the test fail.
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, &page, [&page] {
        if (plenova::ReportPreview* preview = page.report().openPreview()) {
            preview->close();
        }
    });
    rescue.start(60000);
    page.ButtonPreviewClick();
    return closed;
}

// Where each value label stands on the page: millimetres from the detail band's top-left
// corner, which lies 10 mm from the sheet's left edge and 19.9 mm from its top.
struct ValuePlace {
    const char* label;
    double x;
    double y;
};

inline constexpr double kDetailLeft = 10.0;
inline constexpr double kDetailTop = 10.0 + 9.9;

inline const QList<ValuePlace>& valuePlaces() {
    static const QList<ValuePlace> places{
        {"QRLabelAltitude", 172.0, 0.8},
        {"QRLabelMAvol", 51.3, 19.0},
        {"QRLabelMAvolPerHr", 51.3, 24.8},
        {"QRLabelMARAvolPercent", 51.3, 33.9},
        {"QRLabelMAOAvolPercent", 148.8, 33.9},
        {"QRLabelMARAvol", 51.3, 38.9},
        {"QRLabelMAOAvol", 148.8, 38.9},
        {"QRLabelMARAdb", 51.3, 43.8},
        {"QRLabelMAOAdb", 148.8, 43.8},
        {"QRLabelMARArh", 51.3, 48.8},
        {"QRLabelMAOArh", 148.8, 48.8},
        {"QRLabelMAvolLeavingPerHr", 148.8, 65.3},
        {"QRLabelMAMAdb", 148.8, 71.9},
        {"QRLabelMAMArh", 148.8, 77.7},
        {"QRLabelMAMAdp", 148.8, 83.5},
        {"QRLabelRAvol", 51.3, 106.7},
        {"QRLabelRAvolPerHr", 51.3, 112.4},
        {"QRLabelRAdb", 51.3, 120.7},
        {"QRLabelSAdb", 148.8, 120.7},
        {"QRLabelRArh", 51.3, 124.9},
        {"QRLabelSArh", 148.8, 124.9},
        {"QRLabelSAvolPerHr", 148.8, 143.9},
        {"QRLabelkW", 148.8, 149.7},
        {"QRLabelSload", 148.8, 155.4},
        {"QRLabelLload", 148.8, 162.1},
        {"QRLabelSHF", 148.8, 167.0},
        {"QRLabelCondensate", 148.8, 172.8},
        {"QRLabelHeatRAvol", 51.3, 196.8},
        {"QRLabelHeatRAvolPerHr", 51.3, 202.6},
        {"QRLabelHeatRAdb", 51.3, 210.0},
        {"QRLabelHeatSAdb", 148.8, 210.0},
        {"QRLabelHeatRArh", 51.3, 215.0},
        {"QRLabelHeatSArh", 148.8, 215.0},
        {"QRLabelReHeatkW", 51.3, 233.2},
        {"QRLabelHeatSAvolPerHr", 148.8, 234.8},
        {"QRLabelReHeatSensible", 51.3, 239.0},
        {"QRLabelHeatkW", 148.8, 241.4},
        {"QRLabelReHeatLatent", 51.3, 244.7},
        {"QRLabelReheatSHF", 51.3, 250.5},
    };
    return places;
}

// Where each caption of the template stands (as the values above), its size and its face.
enum class Face { Regular, Bold, Italic };

struct CaptionPlace {
    const char* caption;
    double x;
    double y;
    int points = 8;
    Face face = Face::Regular;
};

inline const QList<CaptionPlace>& captionPlaces() {
    static const QList<CaptionPlace> places{
        {"Altitude:", 148.8, 0.8},
        {"Mixed Air (RA + OA)", 4.1, 6.6, 10, Face::Bold},
        {"Mixed Air Total Volume:", 4.1, 19.0},
        {"Percent Return Air:", 4.1, 33.9},
        {"Percent Outdoor Air:", 100.9, 33.9},
        {"Return Air Volume:", 4.1, 38.9},
        {"Outdoor Air Volume:", 100.9, 38.9},
        {"Return Air Dry Bulb:", 4.1, 43.8},
        {"Outdoor Air Dry Bulb:", 100.9, 43.8},
        {"Return Air RH:", 4.1, 48.8},
        {"Outdoor Air RH:", 100.9, 48.8},
        {"Mixing Results", 100.9, 56.2, 8, Face::Bold},
        {"Leaving Volume:", 100.9, 65.3},
        {"Mixed Air Dry Bulb:", 100.9, 71.9},
        {"Mixed Air RH:", 100.9, 77.7},
        {"Mixed Air Dew Point:", 100.9, 83.5},
        {"Cooling", 4.1, 91.8, 10, Face::Bold},
        {"Return Air Volume:", 4.1, 106.7},
        {"Return Air Dry Bulb:", 4.1, 120.7},
        {"Supply Air Dry Bulb:", 100.9, 120.7},
        {"Return Air RH:", 4.1, 124.9},
        {"Supply Air RH:", 100.9, 124.9},
        {"Cooling Results", 100.9, 133.1, 8, Face::Bold},
        {"Leaving Volume:", 100.9, 143.9},
        {"Total kW:", 100.9, 149.7},
        {"Sensible:", 100.9, 155.4},
        {"Latent:", 100.9, 162.1},
        {"SHF:", 100.9, 167.0},
        {"Condensate:", 100.9, 172.8},
        {"Heating", 4.1, 182.7, 10, Face::Bold},
        {"Return Air Volume:", 4.1, 196.8},
        {"Return Air Dry Bulb:", 4.1, 210.0},
        {"Supply Air Dry Bulb:", 100.9, 210.0},
        {"Return Air RH:", 4.1, 215.0},
        {"Supply Air RH:", 100.9, 215.0},
        {"Heating Results", 100.9, 222.4, 8, Face::Bold},
        {"If Heat Is Reheat After Cooling", 4.1, 223.2, 8, Face::Italic},
        {"Effective Duty:", 4.1, 233.2, 8, Face::Italic},
        {"Leaving Volume:", 100.9, 234.8},
        {"Sensible:", 4.1, 239.0, 8, Face::Italic},
        {"Total kW:", 100.9, 241.4},
        {"Latent:", 4.1, 244.7, 8, Face::Italic},
        {"SHF:", 4.1, 250.5, 8, Face::Italic},
    };
    return places;
}

// One word of a PDF page, in millimetres from the sheet's top-left corner.
struct PdfWord {
    QString text;
    double xMin;
    double yMin;
    double xMax;
    double yMax;
    int page;
};

inline QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program),
                 qPrintable(QString::fromLocal8Bit(process.readAllStandardError())));
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString unescapeXml(QString text) {
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&#39;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

// Every word of the PDF with its box, read with `pdftotext -bbox`.
inline QList<PdfWord> pdfWords(const QString& path) {
    constexpr double kMmPerPoint = 25.4 / 72.0;
    const QString xhtml =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    static const QRegularExpression pageOrWord(QStringLiteral(
        R"re(<page\b|<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">(.*?)</word>)re"));
    QList<PdfWord> words;
    int page = 0;
    for (auto it = pageOrWord.globalMatch(xhtml); it.hasNext();) {
        const auto match = it.next();
        if (match.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        words.append({unescapeXml(match.captured(5)), match.captured(1).toDouble() * kMmPerPoint,
                      match.captured(2).toDouble() * kMmPerPoint,
                      match.captured(3).toDouble() * kMmPerPoint,
                      match.captured(4).toDouble() * kMmPerPoint, page});
    }
    return words;
}

// The word with this text whose top-left corner lies nearest to (x, y).
inline std::optional<PdfWord> nearestWord(const QList<PdfWord>& words, const QString& text,
                                          double x, double y) {
    std::optional<PdfWord> best;
    double bestDistance = 0.0;
    for (const PdfWord& word : words) {
        if (word.text != text) {
            continue;
        }
        const double distance = std::hypot(word.xMin - x, word.yMin - y);
        if (!best || distance < bestDistance) {
            best = word;
            bestDistance = distance;
        }
    }
    return best;
}

// The page count, from pdfinfo; 0 when the file is not a readable PDF.
inline int pdfPageCount(const QString& path) {
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    static const QRegularExpression pages(QStringLiteral(R"(^Pages:\s+(\d+)$)"),
                                          QRegularExpression::MultilineOption);
    const auto match = pages.match(info);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// The PDF's first page as a grey image at `dpi` dots per inch, rendered by pdftoppm.
inline QImage rasterize(const QString& pdf, int dpi) {
    const QString prefix = pdf + QStringLiteral(".raster");
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
         QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, prefix});
    QImage image(prefix + QStringLiteral(".png"));
    QFile::remove(prefix + QStringLiteral(".png"));
    return image.convertToFormat(QImage::Format_Grayscale8);
}

// How far `image` is shifted against `reference` (in pixels, within +-range), found as the
// shift with the least difference; `residual` gets that difference as a share of the
// reference's ink.
inline QPoint bestShift(const QImage& reference, const QImage& image, int range, double* residual) {
    QPoint best;
    long long bestDifference = -1;
    long long ink = 0;
    for (int y = 0; y < reference.height(); ++y) {
        const uchar* row = reference.constScanLine(y);
        for (int x = 0; x < reference.width(); ++x) {
            ink += 255 - row[x];
        }
    }
    for (int dy = -range; dy <= range; ++dy) {
        for (int dx = -range; dx <= range; ++dx) {
            long long difference = 0;
            for (int y = range; y < reference.height() - range; ++y) {
                if (y + dy < 0 || y + dy >= image.height()) {
                    continue;
                }
                const uchar* a = reference.constScanLine(y);
                const uchar* b = image.constScanLine(y + dy);
                for (int x = range; x < reference.width() - range; ++x) {
                    if (x + dx >= 0 && x + dx < image.width()) {
                        difference += std::abs(int(a[x]) - int(b[x + dx]));
                    }
                }
            }
            if (bestDifference < 0 || difference < bestDifference) {
                bestDifference = difference;
                best = QPoint(dx, dy);
            }
        }
    }
    *residual = ink > 0 ? double(bestDifference) / double(ink) : 0.0;
    return best;
}

// The PDF's text in reading order.
inline QString pdfText(const QString& path) {
    return run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
}

}  // namespace report_test
