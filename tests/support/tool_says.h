// What a command-line tool (pdfinfo, pdftotext, pdftoppm…) says, with its
// exit status first: "0 Pages: 2…". For the window's tests of paper.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace orvandel {

inline QString toolSays(const QString& tool, const QStringList& args) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(tool, args);
  if (!process.waitForFinished()) return QStringLiteral("%1 did not run").arg(tool);
  return QStringLiteral("%1 %2").arg(process.exitCode()).arg(QString::fromUtf8(process.readAll()));
}

}  // namespace orvandel
