// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QFuture>
#include <QPointer>
#include <QPromise>

#include <memory>
#include <type_traits>

namespace openwright {

namespace detail {
template<typename T, typename F> struct ContinuationResult
{
    using type = std::invoke_result_t<F, T>;
};
template<typename F> struct ContinuationResult<void, F>
{
    using type = std::invoke_result_t<F>;
};
} // namespace detail

// Runs `fn` with the result of `future` on the GUI thread, later (never from inside this call),
// unless `context` is gone by then: the returned future is then cancelled and `fn` never runs.
// QFuture::then(context, …) asserts when its context dies first, and a continuation without
// one may run on whichever thread attaches it; this keeps both out of the model.
// `context` must live on the GUI thread.
template<typename T, typename F>
auto continueOn(QObject* context, QFuture<T> future, F fn) -> QFuture<typename detail::ContinuationResult<T, F>::type>
{
    using R = typename detail::ContinuationResult<T, F>::type;
    Q_ASSERT(context && context->thread() == QCoreApplication::instance()->thread());
    auto promise = std::make_shared<QPromise<R>>();
    QFuture<R> result = promise->future();
    promise->start();
    QPointer<QObject> guard(context);
    future.then(QtFuture::Launch::Sync, [promise, guard, fn = std::move(fn)](QFuture<T> done) mutable {
        // Posted to the application object, which outlives every context; whether the context
        // still lives is decided there, on its own thread. A dropped call drops the promise,
        // which cancels the result.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [promise, guard, fn = std::move(fn), done]() mutable {
                if (!guard || done.isCanceled())
                    return;
                if constexpr (std::is_void_v<R>) {
                    if constexpr (std::is_void_v<T>)
                        fn();
                    else
                        fn(done.result());
                } else {
                    if constexpr (std::is_void_v<T>)
                        promise->addResult(fn());
                    else
                        promise->addResult(fn(done.result()));
                }
                promise->finish();
            },
            Qt::QueuedConnection);
    });
    return result;
}

} // namespace openwright
