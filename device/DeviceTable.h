#pragma once
// The supported models, where their HID collections were found, and the four
// process-wide handles. There is no object per device: discovery, opening and
// closing work on this one table.
#include <QByteArray>
#include <QString>
#include <cstdint>

typedef struct hid_device_ hid_device;

constexpr int MODEL_TABLE_CAPACITY = 200;
constexpr int COLLECTION_PATH_MAX = 254; // longer paths are cut
constexpr int DEVICE_NAME_MAX = 255;     // longer names are cut

// Product A is the receiver, product B the cable. Collections 1 and 3 are the
// mouse collections of A and B, collections 2 and 4 their command collections.
struct SupportedModel {
    int32_t vendorIdA = 0;
    int32_t vendorIdB = 0;
    int32_t productIdA = 0;
    int32_t productIdB = 0;
    int32_t releaseMinA = 0, releaseMinB = 0;
    int32_t releaseMaxA = 0, releaseMaxB = 0; // 0: any release
    int32_t usage1 = 0, usagePage1 = 0;
    int32_t usage2 = 0, usagePage2 = 0;
    int32_t usage3 = 0, usagePage3 = 0;
    int32_t usage4 = 0, usagePage4 = 0;
    QByteArray path1, path2, path3, path4;
    int32_t found1 = 0, found3 = 0, found2 = 0, found4 = 0;
    QByteArray deviceName; // Latin-1
};

// Clears the table, fills entry 0 with the receiver and cable ids and reads
// the device name from "Mouse_List/0" of Config.ini.
void loadDeviceTable();
// Finds the collections of every table entry among all HID devices.
// 0, or -1 when the HID library cannot be initialised (table untouched).
int enumerateDevices();
// Clears every entry's paths and found flags, before enumerating what is attached now.
void forgetCollections();
// Opens the collections found for every entry named name (A's pair and B's pair independently).
// A pair whose command collection cannot be opened is closed again and no longer
// counts as found; refusedNodes() (NodeAccess.h) says why.
void openDeviceByName(const QString &name);
// Closes every open handle (mouse A, command A, mouse B, command B).
void closeDevice();
void shutdownHid();

// Appends a row (another model served by the same installation); false when the table is full.
bool addSupportedModel(const SupportedModel &model);
int supportedModelCount();
const SupportedModel &supportedModel(int index);
// The name read by loadDeviceTable; the window selects and opens the device by it.
QString currentDeviceName();
// True when (vendorId, productId) is product A or B of a table entry.
bool isSupportedDevice(int vendorId, int productId);

// Found flags and paths addressed by collection number 1..4 (entry 0 unless told).
bool collectionFound(int collection, int entry = 0);
void setCollectionFound(int collection, bool found, int entry = 0);
QByteArray collectionPath(int collection, int entry = 0);

// Whether a command-collection path of product A qualifies: it names the fourth
// collection ("col04"), or, as hidraw paths do, names no collection at all.
bool isCommandCollectionPath(const QByteArray &path);

// Release number (USB device release) of the interface with that path, from
// the HID enumeration; a leading "\\?\" and letter case are ignored, and an
// interface name ending in "#hidrawN" matches the node "/dev/hidrawN".
// 0 when no interface has that path.
unsigned deviceReleaseNumber(const QByteArray &path);
// Release number of the last device found as collection 4.
uint16_t lastReleaseNumber();

hid_device *mouseHandleA();
hid_device *commandHandleA();
hid_device *mouseHandleB();
hid_device *commandHandleB();
// commandHandleB when open, else commandHandleA; null when neither.
hid_device *commandHandle();
