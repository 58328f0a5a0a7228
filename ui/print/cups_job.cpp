#include "ui/print/cups_job.h"

#include <cups/cups.h>

namespace plenova {

namespace {

// CUPS's reason for the last failed call on this thread, as the server or libcups gave it.
QString lastCupsReason() {
    const char* reason = cupsLastErrorString();
    if (reason == nullptr || *reason == '\0') {
        reason = ippErrorString(cupsLastError());
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
    ~JobOptions() { cupsFreeOptions(count_, options_); }
    JobOptions(const JobOptions&) = delete;
    JobOptions& operator=(const JobOptions&) = delete;

    int count() const { return count_; }
    cups_option_t* options() const { return options_; }

  private:
    void add(const char* name, const char* value) {
        count_ = cupsAddOption(name, value, count_, &options_);
    }

    int count_ = 0;
    cups_option_t* options_ = nullptr;
};

bool succeeded(ipp_status_t status) {
    return status < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

}  // namespace

QString defaultPrinterName() {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (dest == nullptr) {
        return {};
    }
    const QString name = QString::fromUtf8(dest->name);
    cupsFreeDests(1, dest);
    return name;
}

bool hasDefaultPrinter() {
    return !defaultPrinterName().isEmpty();
}

void printPdf(const QByteArray& pdf, const QString& jobTitle, const QString& printer) {
    const QByteArray name = printer.toUtf8();
    const QByteArray title = jobTitle.toUtf8();
    const JobOptions options;

    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), title.constData(),
                                  options.count(), options.options());
    if (job == 0) {
        throw failure(printer, lastCupsReason());
    }
    // Once the job exists, a failure cancels it, so that no half-sent job waits in the queue.
    // The reason is taken first: the later calls overwrite it.
    const auto abandon = [&](const QString& reason) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), job, 0);
        return failure(printer, reason);
    };
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), job, title.constData(),
                          CUPS_FORMAT_PDF, 1) != HTTP_STATUS_CONTINUE) {
        throw abandon(lastCupsReason());
    }
    if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), static_cast<size_t>(pdf.size())) !=
        HTTP_STATUS_CONTINUE) {
        const QString reason = lastCupsReason();
        cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData());  // ends the request
        throw abandon(reason);
    }
    if (!succeeded(cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData()))) {
        throw abandon(lastCupsReason());
    }
}

void printPdfOnDefaultPrinter(const QByteArray& pdf, const QString& jobTitle) {
    const QString printer = defaultPrinterName();
    if (printer.isEmpty()) {
        throw PrintFailure(
            QStringLiteral("Printing failed: %1").arg(lastCupsReason()).toStdString());
    }
    printPdf(pdf, jobTitle, printer);
}

}  // namespace plenova
