// The communication-parameters window and the update wizard as the user sees them in each of
// their states: every caption and text drawn, greyed where disabled, and the ping result in its
// colour. The pictures stay under HD_TEST_TMP for review (scripts/review-pictures.sh).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/app_state.h"
#include "app/boot_tcp_form.h"
#include "app/lb_button.h"
#include "app/par_gen_form.h"
#include "app/testkit/window_picture.h"
#include "platform/timers.h"
#include "testkit/gui_kit.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

using test::TGuiKit;
using testkit::TempFolder;

class TScriptedPinger : public IPinger {
 public:
  TScriptedPinger(TVirtualClock& clock, bool answers) : clock_(clock), answers_(answers) {}
  TPingResult Echo(const std::string&, int, int timeoutMs) override {
    clock_.Sleep(answers_ ? 1 : static_cast<std::uint32_t>(timeoutMs));
    return answers_ ? TPingResult{TPingStatus::Reply, 1024} : TPingResult{TPingStatus::NoReply, 0};
  }

 private:
  TVirtualClock& clock_;
  bool answers_;
};

class DialogWindowsRender : public ::testing::Test {
 protected:
  void SetUp() override {
    state.Load_Default_Texts();
    state.SW_Code = TAppState::SW_Code_Const;
    state.Path_ParGen = dir.File("ParGen.xml");
    state.App_Folder = dir.Path();
    state.Device_IP = "127.0.0.1";
  }

  // Renders inside the modal loop, where the window is shown.
  testkit::TWindowPicture Render(TCustomForm* form, const std::string& name) {
    return testkit::RenderWindow(kit, form, name);
  }

  TGuiKit kit;
  TempFolder dir;
  TAppState state;
};

TEST_F(DialogWindowsRender, CommunicationParametersExpandedAndCollapsed) {
  TFParGen form(nullptr, state);
  form.AfterConstruction();
  kit.OnModal([&](TCustomForm* f) {
    Render(f, "par_gen_expanded");
    kit.Click(form.Btn_Collapse_EtherNetIP);
    Render(f, "par_gen_ethernet_collapsed");
    kit.Click(form.Btn_Collapse_Modbus_TCP_Master);
    Render(f, "par_gen_both_collapsed");
    kit.Click(form.Btn_Cancel);
  });
  form.ShowModal();
}

// The check boxes of the groups lie on the group's own colour: down a column inside the
// Diagnostic box, right of its caption, and down the gap between the box and the address
// edit, the picture is the same.
TEST_F(DialogWindowsRender, CheckBoxesOfAGroupAreDrawnOnTheGroupsColour) {
  TFParGen form(nullptr, state);
  form.AfterConstruction();
  kit.OnModal([&](TCustomForm* f) {
    TBitmap b;
    b.LoadFromFile(kit.RenderPng(f, "par_gen_check_boxes"));
    for (TCheckBox* box : {form.CB_PROFINET_En_Diagnostic, form.CB_EN_GAT, form.CB_En_GAT_Modbus_TCP_Master}) {
      SCOPED_TRACE(box->Caption());
      const TPoint right = f->ScreenToClient(box->ClientToScreen({box->Width(), 0}));
      ASSERT_LT(right.X + 1, b.Width());
      for (int y = right.Y; y < right.Y + box->Height(); ++y)
        ASSERT_EQ(b.ScanLine(y)[right.X - 2] & 0xFFFFFF, b.ScanLine(y)[right.X + 1] & 0xFFFFFF) << "row " << y;
    }
    kit.Click(form.Btn_Cancel);
  });
  form.ShowModal();
}

TEST_F(DialogWindowsRender, UpdateWizardPagesAndPingResults) {
  TFBootTCP form(nullptr, state);
  form.AfterConstruction();
  kit.OnModal([&](TCustomForm* f) {
    Render(f, "boot_tcp_page1");
    form.SetPinger(std::make_unique<TScriptedPinger>(kit.Clock(), false));
    kit.Click(form.Btn_Ping);
    EXPECT_TRUE(Render(f, "boot_tcp_not_found").Shows(form.LPing, clRed));
    form.SetPinger(std::make_unique<TScriptedPinger>(kit.Clock(), true));
    kit.Click(form.Btn_Ping);
    EXPECT_TRUE(Render(f, "boot_tcp_found").Shows(form.LPing, clGreen));
    kit.Click(form.Btn_Next);
    Render(f, "boot_tcp_page2");
    kit.CloseByTitleBar(f);
  });
  form.ShowModal();
}

}  // namespace
}  // namespace hd
