#pragma once

#include <QString>
#include <QtGlobal>

class QInverter;
class QMissionModel;

// What an inverter tells about itself as it happens: the recorder writes the
// files from it, and any other listener (a headless runner, a publisher) sees
// the same. Calls come inside the change, with the inverter already updated.
// The plant attaches its listeners to every inverter that joins it.
class QInverterListener {
public:
    virtual ~QInverterListener() = default;

    // Joined the plant; leaving it (still whole, about to be destroyed or handed back).
    virtual void OnJoined(QInverter&) {}
    virtual void OnLeaving(QInverter&) {}
    // A read reply with this mission code was decoded into the inverter's tables.
    virtual void OnReplyDecoded(QInverter&, int /*code*/) {}
    virtual void OnCommStateChanged(QInverter&, int /*oldState*/, int /*newState*/) {}
    // A fault word of a slot (0..7) began or ended holding this code.
    virtual void OnFaultBegan(QInverter&, int /*slot*/, qint32 /*code*/) {}
    virtual void OnFaultEnded(QInverter&, int /*slot*/, qint32 /*code*/) {}
    // Before a new name is taken; false keeps the old name. Not called for the first name.
    virtual bool OnRenaming(QInverter&, const QString& /*newName*/) { return true; }
    // After the name changed (oldName is empty for the first name).
    virtual void OnRenamed(QInverter&, const QString& /*oldName*/) {}
    // A one-shot mission that could not be delivered was dropped from the list.
    virtual void OnMissionDropped(QInverter&, const QMissionModel&) {}
};
