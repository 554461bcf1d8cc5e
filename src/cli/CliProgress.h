#pragma once

#include "ConversionRun.h"

#include <QElapsedTimer>
#include <QTextStream>

// The run's progress as a bar on standard error, drawn only when that is a terminal and at
// most every 100 ms.
class CliProgress final : public ConversionHost {
public:
    explicit CliProgress(QTextStream& err);

    QDateTime now() override { return QDateTime::currentDateTime(); }
    void progress(const ConversionProgress& progress) override;
    bool stopRequested() override { return false; }
    // The bar at 100% and its line ended, when one was drawn.
    void finish();

private:
    void draw(int percent);

    QTextStream& m_err;
    bool m_showProgress;
    bool m_drawn = false;
    QElapsedTimer m_sinceDrawn;
};
