#include "device/NodeAccess.h"
#include <QCoreApplication>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace {

// The errno values that name the cause on their own.
const struct {
    int error;
    NodeFault fault;
} kDecisiveErrors[] = {
    {EACCES, NodeFault::Permission},
    {EPERM, NodeFault::Permission},
    {ENOENT, NodeFault::Gone},
    {ENODEV, NodeFault::Gone},
    {ENXIO, NodeFault::Gone},
};

bool decisive(int error, NodeFault &fault)
{
    for (const auto &entry : kDecisiveErrors) {
        if (entry.error == error) {
            fault = entry.fault;
            return true;
        }
    }
    return false;
}

std::mutex g_mutex;
QList<RefusedNode> g_refused;

} // namespace

RefusedNode explainOpenFailure(const QByteArray &path, int savedErrno)
{
    RefusedNode node{path, NodeFault::Other, savedErrno};
    if (decisive(savedErrno, node.fault))
        return node;
    // hidapi may have overwritten errno while recording its own error text;
    // the node itself still says whether this user may read and write it.
    if (::access(path.constData(), R_OK | W_OK) == 0)
        return node;
    const int error = errno;
    if (decisive(error, node.fault))
        node.error = error;
    return node;
}

QList<RefusedNode> refusedNodes()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_refused;
}

void setRefusedNodes(const QList<RefusedNode> &nodes)
{
    QList<RefusedNode> told;
    for (const RefusedNode &node : nodes)
        if (node.fault != NodeFault::Gone && !told.contains(node))
            told << node;
    std::lock_guard<std::mutex> lock(g_mutex);
    g_refused = told;
}

QString refusedNodesText(const QList<RefusedNode> &nodes)
{
    if (nodes.isEmpty())
        return QString();
    QStringList paths;
    for (const RefusedNode &node : nodes)
        paths << QString::fromLocal8Bit(node.path);
    const RefusedNode &first = nodes.first();
    const QString where = paths.join(QStringLiteral(", "));
    if (first.fault == NodeFault::Permission)
        return QCoreApplication::translate(
                   "NodeAccess",
                   "The mouse is attached at %1, but this user may not open it (permission denied). "
                   "Most likely the udev rule 70-mousecfg.rules is not installed, or you are not logged in "
                   "at this computer's seat (a remote or second login gets no access). Install the rule "
                   "(see Installing in the README) or log in at the seat, then plug the mouse in again.")
            .arg(where);
    return QCoreApplication::translate("NodeAccess",
                                       "The mouse is attached at %1, but it cannot be opened (%2). "
                                       "Plug the mouse in again.")
        .arg(where, QString::fromLocal8Bit(std::strerror(first.error)));
}
