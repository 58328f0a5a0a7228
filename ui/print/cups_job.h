// Printing a finished PDF on the system's printers through CUPS. Unlike a print engine that
// drops the server's answer, every step's result is checked: a job that the server refuses,
// or a server that cannot be reached, is an error that names the printer and gives CUPS's own
// reason. The PDF goes to the server from memory: no temporary file is written.
#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

namespace plenova {

// A job that did not reach the printer. what() reads, for example,
// `Printing on "PDF" failed: Destination "PDF" is not accepting jobs.`
class PrintFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The name of the system's default printer; empty when there is none, or when no print
// server answers.
QString defaultPrinterName();

// True when the system has a default printer to print on.
bool hasDefaultPrinter();

// Sends `pdf` to `printer` as one job titled `jobTitle`: one copy, one-sided, on A4 paper.
// Returns once the server holds the whole job. Throws PrintFailure when any step fails.
void printPdf(const QByteArray& pdf, const QString& jobTitle, const QString& printer);

// printPdf on the system's default printer. Throws PrintFailure as well when there is no
// default printer ("Printing failed: No default destination."); a caller that must do nothing
// then asks hasDefaultPrinter() first.
void printPdfOnDefaultPrinter(const QByteArray& pdf, const QString& jobTitle);

}  // namespace plenova
