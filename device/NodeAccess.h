#pragma once
// Why a node that enumeration listed gave no handle: the user may not open it
// (no udev rule, a login away from the seat), it went away, or another error.
// Telling these apart keeps a mouse that cannot be reached from looking like
// a broken one, or like no mouse at all.
#include <QByteArray>
#include <QList>
#include <QString>

enum class NodeFault { Permission, Gone, Other };

struct RefusedNode {
    QByteArray path;
    NodeFault fault = NodeFault::Other;
    int error = 0;  // errno
    bool operator==(const RefusedNode &o) const { return path == o.path && fault == o.fault; }
};

// After open_path gave no handle: errno as the open left it decides where it
// names the cause; otherwise access(2) on the node is asked.
RefusedNode explainOpenFailure(const QByteArray &path, int savedErrno);

// The command nodes of attached mice that the last openDeviceByName could not
// open, apart from those that went away meanwhile (that is absence).
QList<RefusedNode> refusedNodes();
void setRefusedNodes(const QList<RefusedNode> &nodes);

// One sentence for the window and mousectl: which node, the likely cause and
// what to do. Empty when nothing was refused.
QString refusedNodesText(const QList<RefusedNode> &nodes = refusedNodes());
