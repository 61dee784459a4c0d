// SPDX-License-Identifier: GPL-3.0-or-later
// `set` for a whole family: `set video/* APP` (audio/*, image/*, text/*) or `set --all APP`
// makes APP the default of the types it declares there, and of no other type.
#include "Output.h"

#include "AppModel.h"
#include "Async.h"

namespace openwright::cli {

using namespace Qt::Literals::StringLiterals;

QFuture<Reply> setFamily(const Invocation& inv, AppModel& model)
{
    // The defaults as they are now, then every application with what it declares.
    const auto read = continueOn(&model, model.refreshFor({}), [&model] { return model.readApplications(); }).unwrap();
    return continueOn(
               &model, read,
               [inv, &model]() -> QFuture<Reply> {
                   Reply reply;
                   const QString name = inv.arguments.value(1);
                   const auto located = locateApp(model.service(), name, reply);
                   if (!located)
                       return QtFuture::makeReadyFuture(reply);
                   const InstalledApp* app = model.applicationIndex().app(located->app.url);
                   if (!app)
                       return QtFuture::makeReadyFuture(reply.fail(
                           2, u"%1 is not an application a person would choose from."_s.arg(name)));
                   const auto family = TypeFamilies::fromPattern(inv.arguments.value(0));
                   const auto profile = model.useFor(app->app.url, family);
                   if (!profile || profile->entries.isEmpty()) {
                       const QString what = family ? TypeFamilies::title(*family) : u"any"_s;
                       return QtFuture::makeReadyFuture(reply.fail(
                           1, u"%1 declares no %2 types: nothing to change."_s.arg(app->shownName, what.toLower())));
                   }
                   return applyPlanned(*profile, inv, model);
               })
        .unwrap();
}

} // namespace openwright::cli
