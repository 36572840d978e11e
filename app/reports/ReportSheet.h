#pragma once

#include <QImage>
#include <QList>
#include <QString>

// A one-page sheet of captions and values as the data sheet and the plant
// description print it: a title, a few lines beside an optional picture, then
// groups of lines in columns. Groups go left to right; a group in a column at
// or left of the one before starts a new row below everything drawn so far,
// and a group of column -1 takes a row of its own over the full width. A line
// without a caption is a paragraph that wraps over the group's width.
struct ReportSheet {
    struct Line {
        QString m_strCaption;
        QString m_strValue;
    };
    struct Group {
        QString m_strTitle;
        QList<Line> m_Lines;
        int m_nColumn = 0;
    };

    QString m_strTitle;
    QList<Line> m_Head;
    QImage m_Picture;
    QList<Group> m_Groups;
    int m_nColumns = 2;
};
