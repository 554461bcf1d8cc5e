#include "WorkerThread.h"

QThread* startWorkerThread(QObject* context, std::function<void()> work,
                           std::function<void()> done) {
    QThread* thread = QThread::create(std::move(work));
    QObject::connect(thread, &QThread::finished, context, std::move(done), Qt::QueuedConnection);
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    return thread;
}
