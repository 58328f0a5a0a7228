#include "ui/print/cups_job.h"

#include <cups/cups.h>

#include <QLibrary>
#include <type_traits>

namespace plenova {

namespace {

// libcups, loaded at the first question about printing. Linked into the program, it and the
// libraries it brings (GnuTLS, Kerberos, Avahi) cost the start-up about 9 million
// instructions and 3 MiB before any print is asked for.
struct CupsLibrary {
    bool loaded = false;
    QString loadError;
    decltype(&::cupsLastErrorString) cupsLastErrorString = nullptr;
    decltype(&::cupsLastError) cupsLastError = nullptr;
    decltype(&::ippErrorString) ippErrorString = nullptr;
    decltype(&::cupsAddOption) cupsAddOption = nullptr;
    decltype(&::cupsFreeOptions) cupsFreeOptions = nullptr;
    decltype(&::cupsGetNamedDest) cupsGetNamedDest = nullptr;
    decltype(&::cupsFreeDests) cupsFreeDests = nullptr;
    decltype(&::cupsCreateJob) cupsCreateJob = nullptr;
    decltype(&::cupsCancelJob2) cupsCancelJob2 = nullptr;
    decltype(&::cupsStartDocument) cupsStartDocument = nullptr;
    decltype(&::cupsWriteRequestData) cupsWriteRequestData = nullptr;
    decltype(&::cupsFinishDocument) cupsFinishDocument = nullptr;
};

CupsLibrary loadCups() {
    CupsLibrary cups;
    QLibrary library(QStringLiteral("cups"), 2);  // stays loaded for the rest of the run
    if (!library.load()) {
        cups.loadError = library.errorString();
        return cups;
    }
    bool all = true;
    const auto resolve = [&](auto& function, const char* name) {
        function =
            reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
        all = all && function != nullptr;
    };
    resolve(cups.cupsLastErrorString, "cupsLastErrorString");
    resolve(cups.cupsLastError, "cupsLastError");
    resolve(cups.ippErrorString, "ippErrorString");
    resolve(cups.cupsAddOption, "cupsAddOption");
    resolve(cups.cupsFreeOptions, "cupsFreeOptions");
    resolve(cups.cupsGetNamedDest, "cupsGetNamedDest");
    resolve(cups.cupsFreeDests, "cupsFreeDests");
    resolve(cups.cupsCreateJob, "cupsCreateJob");
    resolve(cups.cupsCancelJob2, "cupsCancelJob2");
    resolve(cups.cupsStartDocument, "cupsStartDocument");
    resolve(cups.cupsWriteRequestData, "cupsWriteRequestData");
    resolve(cups.cupsFinishDocument, "cupsFinishDocument");
    cups.loaded = all;
    if (!all) {
        cups.loadError =
            QStringLiteral("%1 lacks a function this program needs").arg(library.fileName());
    }
    return cups;
}

const CupsLibrary& cups() {
    static const CupsLibrary library = loadCups();
    return library;
}

// The library, or a PrintFailure that says why there is none.
const CupsLibrary& loadedCups() {
    const CupsLibrary& library = cups();
    if (!library.loaded) {
        throw PrintFailure(QStringLiteral("Printing failed: the CUPS library could not be loaded "
                                          "(%1)")
                               .arg(library.loadError)
                               .toStdString());
    }
    return library;
}

// CUPS's reason for the last failed call on this thread, as the server or libcups gave it.
// Asked only once the library is loaded.
QString lastCupsReason() {
    const char* reason = cups().cupsLastErrorString();
    if (reason == nullptr || *reason == '\0') {
        reason = cups().ippErrorString(cups().cupsLastError());
    }
    return QString::fromUtf8(reason);
}

PrintFailure failure(const QString& printer, const QString& reason) {
    return PrintFailure(
        QStringLiteral("Printing on \"%1\" failed: %2").arg(printer, reason).toStdString());
}

// The options of one job, freed however the submission ends.
class JobOptions {
  public:
    JobOptions() {
        add("media", "A4");
        add("sides", "one-sided");
        add("copies", "1");
    }
    ~JobOptions() { cups().cupsFreeOptions(count_, options_); }
    JobOptions(const JobOptions&) = delete;
    JobOptions& operator=(const JobOptions&) = delete;

    int count() const { return count_; }
    cups_option_t* options() const { return options_; }

  private:
    void add(const char* name, const char* value) {
        count_ = cups().cupsAddOption(name, value, count_, &options_);
    }

    int count_ = 0;
    cups_option_t* options_ = nullptr;
};

bool succeeded(ipp_status_t status) {
    return status < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

}  // namespace

QString defaultPrinterName() {
    if (!cups().loaded) {
        return {};  // no print service on this system: no printer
    }
    cups_dest_t* dest = cups().cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (dest == nullptr) {
        return {};
    }
    const QString name = QString::fromUtf8(dest->name);
    cups().cupsFreeDests(1, dest);
    return name;
}

bool hasDefaultPrinter() {
    return !defaultPrinterName().isEmpty();
}

void printPdf(const QByteArray& pdf, const QString& jobTitle, const QString& printer) {
    const CupsLibrary& lib = loadedCups();
    const QByteArray name = printer.toUtf8();
    const QByteArray title = jobTitle.toUtf8();
    const JobOptions options;

    const int job = lib.cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), title.constData(),
                                      options.count(), options.options());
    if (job == 0) {
        throw failure(printer, lastCupsReason());
    }
    // Once the job exists, a failure cancels it, so that no half-sent job waits in the queue.
    // The reason is taken first: the later calls overwrite it.
    const auto abandon = [&](const QString& reason) {
        lib.cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), job, 0);
        return failure(printer, reason);
    };
    if (lib.cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), job, title.constData(),
                              CUPS_FORMAT_PDF, 1) != HTTP_STATUS_CONTINUE) {
        throw abandon(lastCupsReason());
    }
    if (lib.cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(),
                                 static_cast<size_t>(pdf.size())) != HTTP_STATUS_CONTINUE) {
        const QString reason = lastCupsReason();
        lib.cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData());  // ends the request
        throw abandon(reason);
    }
    if (!succeeded(lib.cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData()))) {
        throw abandon(lastCupsReason());
    }
}

void printPdfOnDefaultPrinter(const QByteArray& pdf, const QString& jobTitle) {
    loadedCups();
    const QString printer = defaultPrinterName();
    if (printer.isEmpty()) {
        throw PrintFailure(
            QStringLiteral("Printing failed: %1").arg(lastCupsReason()).toStdString());
    }
    printPdf(pdf, jobTitle, printer);
}

}  // namespace plenova
