#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <utility>

// Runs `call` on the thread of `context` and returns once it has run there. Called on that
// thread itself, it runs at once.
template <class Call>
void CallOnUiThread(QObject* context, Call&& call) {
    if (QThread::currentThread() == context->thread())
        call();
    else
        QMetaObject::invokeMethod(context, std::forward<Call>(call), Qt::BlockingQueuedConnection);
}

// Queues `call` for the thread of `context` and returns at once. Calls queued from one thread
// run in the order they were queued; none runs after `context` is destroyed.
template <class Call>
void PostToUiThread(QObject* context, Call&& call) {
    QMetaObject::invokeMethod(context, std::forward<Call>(call), Qt::QueuedConnection);
}

// Waits for a worker that may be blocked in CallOnUiThread towards this thread: the calls it
// waits for are run meanwhile.
inline void WaitServingCalls(QThread* worker) {
    while (worker && !worker->wait(10)) QCoreApplication::processEvents();
}
