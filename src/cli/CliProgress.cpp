#include "CliProgress.h"

#include "Terminal.h"
#include "WorkbookScan.h"

CliProgress::CliProgress(QTextStream& err) : m_err(err), m_showProgress(isTerminal(stderr)) {
    m_sinceDrawn.start();
}

void CliProgress::progress(const ConversionProgress& progress) {
    if (m_showProgress && m_sinceDrawn.elapsed() >= 100) {
        draw(progressPercent(progress.progressDone, qMax(1, progress.dataRows)));
    }
}

void CliProgress::finish() {
    if (m_showProgress && m_drawn) {
        draw(100);
        m_err << Qt::endl;
    }
}

void CliProgress::draw(int percent) {
    m_sinceDrawn.restart();
    m_drawn = true;
    const int filled = percent * 40 / 100;
    m_err << '\r' << '[' << QString(filled, QLatin1Char('#'))
          << QString(40 - filled, QLatin1Char(' ')) << "] " << percent << '%';
    m_err.flush();
}
