#pragma once

class QString;

// What an inverter needs of its entry in the navigation tree. The tree library's
// entry implements it; the core only ever sees this face of it.
class QTreeEntry {
public:
    virtual ~QTreeEntry() = default;
    virtual void SetConnect(bool connected) = 0; // connect button style
    virtual void SetNormal(bool normal) = 0;     // no fault, communicating
    virtual void SetItemText(const QString& text) = 0;
    virtual void SetExplain(const QString& text) = 0;
};
