#pragma once
// A real folder tree in a temporary directory, and a bar over it.

#include "TreeFixture.h"

#include <QDir>
#include <QTemporaryDir>

class FolderFixture : public TreeFixture {
protected:
    void SetUp() override
    {
        TreeFixture::SetUp();
        ASSERT_TRUE(temp.isValid());
        root = temp.path() + "/Data";
        Make({""});
    }

    void Make(std::initializer_list<QString> relative)
    {
        for (const QString& r : relative)
            ASSERT_TRUE(QDir().mkpath(root + "/" + r));
    }

    void OpenFolder()
    {
        bar->SetMode(aeFolder);
        bar->SetFolderPath(root);
    }

    TKestTreeNode* Child(TKestTreeNode* parent, const QString& text)
    {
        for (auto* n = parent->GetFirstChild(); n; n = n->GetNextSibling())
            if (n->Text() == text)
                return n;
        return nullptr;
    }

    QTemporaryDir temp;
    QString root;
};

