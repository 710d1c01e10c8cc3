#include "options/barvella_option.h"

#include <wx/bookctrl.h>

#include "utf8_text.h"

CBarvellaOption::CBarvellaOption(wxWindow* parent)
    : CheckedPropertySheet(parent, U("ｵﾌﾟｼｮﾝ設定 - Barvella")),
      m_pageDesign(new CPluginOptionDesign(GetBookCtrl())),
      m_pageTitle(new CPluginOptionTitle(GetBookCtrl())),
      m_pageFont(new CPluginOptionFont(GetBookCtrl())),
      m_pageFile(new CPluginOptionFile(GetBookCtrl())),
      m_pageUser(new CPluginOptionUser(GetBookCtrl())),
      m_pageURL(new CPluginOptionURL(GetBookCtrl())),
      m_pageComment(new CPluginOptionComment(GetBookCtrl())) {
    AddPage(m_pageDesign, "デザイン");
    AddPage(m_pageTitle, "タイトル");
    AddPage(m_pageFont, "フォント");
    AddPage(m_pageFile, "生成ファイル");
    AddPage(m_pageUser, "ユーザ");
    AddPage(m_pageURL, "URL");
    AddPage(m_pageComment, "コメント");
    LayoutDialog();
}

void CBarvellaOption::Load(const PluginSettings& settings) {
    m_pageDesign->Load(settings.design);
    m_pageTitle->Load(settings.title);
    m_pageFont->Load(settings.font);
    m_pageFile->Load(settings.file);
    m_pageUser->Load(settings.user);
    m_pageURL->Load(settings.url);
    m_pageComment->Load(settings.topComment);
}

void CBarvellaOption::Store(PluginSettings& settings) const {
    m_pageDesign->Store(settings.design);
    m_pageTitle->Store(settings.title);
    m_pageFont->Store(settings.font);
    m_pageFile->Store(settings.file);
    m_pageUser->Store(settings.user);
    m_pageURL->Store(settings.url);
    m_pageComment->Store(settings.topComment);
}
