#include "YearCopyText.h"

QString yearCopyText(int year, const QString& serious, const QString& lighter) {
    const QString y = QString::number(year);
    const QString text = "What was Happening During the Year " + y + "\n" +
                         "On The More Serious Side of " + y + "\n" + serious + "\n\n" +
                         "On The Lighter Side of " + y + "\n" + lighter + "\n";
    QString lines = text;
    return lines.replace("\n", "\r\n");
}
