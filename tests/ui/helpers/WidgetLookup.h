#pragma once
// Finding a window's controls by objectName, failing the test with a clear message when one is
// missing. Use inside a Qt Test function:
//
//     FIND_CHILD(tabs, QTabWidget, &window, "pgeMain");
//     QCOMPARE(tabs->count(), 3);

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>

namespace dirforge::testing {

/// An objectName given as a literal or a QString.
inline QString ChildName(const char* name) {
    return QString::fromUtf8(name);
}
inline QString ChildName(const QString& name) {
    return name;
}

/// The child of root with this objectName and type (searched recursively), or null.
template <class T> T* FindChild(const QObject* root, const QString& name) {
    return root ? root->findChild<T*>(name) : nullptr;
}

/// What a failed FindChild looked for and which names of that type exist instead.
template <class T> QString MissingChildMessage(const QObject* root, const QString& name) {
    QStringList present;
    if (root) {
        for (const T* child : root->findChildren<T*>())
            if (!child->objectName().isEmpty())
                present << child->objectName();
    }
    return QStringLiteral("no %1 named \"%2\" below \"%3\"; present: %4")
        .arg(QString::fromLatin1(T::staticMetaObject.className()), name,
             root ? root->objectName() : QStringLiteral("(null)"),
             present.join(QStringLiteral(", ")));
}

} // namespace dirforge::testing

/// Declares `Type* var` as root's child named `name` and fails the test function when it is
/// missing.
#define FIND_CHILD(var, Type, root, name)                                                          \
    Type* var = dirforge::testing::FindChild<Type>((root), dirforge::testing::ChildName(name));    \
    QVERIFY2(var != nullptr, qPrintable(dirforge::testing::MissingChildMessage<Type>(              \
                                 (root), dirforge::testing::ChildName(name))))
