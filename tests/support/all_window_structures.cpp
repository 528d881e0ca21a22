#include "tests/support/all_window_structures.h"

#include "checks/blank_check_form_window.h"
#include "checks/blank_checks_window.h"
#include "checks/check_form_window.h"
#include "checks/check_register_window.h"
#include "checks/check_search_window.h"
#include "checks/checks_to_print_window.h"
#include "checks/draft_client_selection_window.h"
#include "checks/draft_form_window.h"
#include "checks/draft_search_window.h"
#include "checks/last_check_number_window.h"
#include "checks/monthly_drafts_window.h"
#include "checks/payee_form_window.h"
#include "checks/payee_list_window.h"
#include "checks/starting_check_number_window.h"
#include "contacts/additional_notes_window.h"
#include "contacts/check_information_window.h"
#include "contacts/client_selection_window.h"
#include "contacts/contact_form_window.h"
#include "contacts/contact_search_window.h"
#include "contacts/contacts_list_window.h"
#include "contacts/dial_phone_numbers_window.h"
#include "data_exchange/enter_picture_window.h"
#include "data_exchange/export_chooser_window.h"
#include "data_exchange/import_assigner_window.h"
#include "data_exchange/import_export_menu_window.h"
#include "followups/add_contacts_list_window.h"
#include "followups/appointments_list_window.h"
#include "followups/follow_up_form_window.h"
#include "followups/follow_ups_list_window.h"
#include "frame/calculator_window.h"
#include "frame/calendar_window.h"
#include "frame/progress_window.h"
#include "frame/report_destination_window.h"
#include "frame/report_preview_window.h"
#include "frame/search_by_example_windows.h"
#include "frame/tag_progress.h"
#include "genealogy/company_id_search_window.h"
#include "genealogy/downline_panel_window.h"
#include "genealogy/levels_list_window.h"
#include "genealogy/sponsor_list_window.h"
#include "genealogy/upline_list_window.h"
#include "information/help_list_window.h"
#include "information/information_list_window.h"
#include "information/private_label_menu_window.h"
#include "information/product_form_window.h"
#include "information/product_list_window.h"
#include "information/text_form_window.h"
#include "information/what_else_needed_window.h"
#include "invoices/company_chooser_window.h"
#include "invoices/company_form_window.h"
#include "invoices/company_list_window.h"
#include "invoices/inventory_form_window.h"
#include "invoices/inventory_list_window.h"
#include "invoices/invoice_form_window.h"
#include "invoices/invoice_list_window.h"
#include "invoices/invoice_memo_window.h"
#include "invoices/item_selector_window.h"
#include "labels/business_card_form_window.h"
#include "labels/business_card_list_window.h"
#include "labels/label_type_choice_window.h"
#include "reference/area_code_form_window.h"
#include "reference/area_code_list_window.h"
#include "reference/area_code_lookup_window.h"
#include "reference/web_form_window.h"
#include "reference/web_list_window.h"
#include "reference/zip_form_window.h"
#include "reference/zip_list_window.h"
#include "reference/zip_lookup_window.h"
#include "shell/intro_window.h"
#include "shell/main_menu_window.h"

namespace testsupport {

std::vector<NamedStructure> allWindowStructures() {
    using namespace windows;
    using follow_up_form::Edition;
    return {
        {"intro", &intro::introWindowStructure()},
        {"main menu", &main_menu::menuWindow()},
        {"contacts list", &contacts_list::contactsWindow()},
        {"contact form", &contact_form::contactFormWindow()},
        {"additional notes", &additional_notes::notesWindow()},
        {"check information", &check_information::checkInfoWindow()},
        {"dial phone numbers", &dial_phone_numbers::dialWindow()},
        {"select client", &client_selection::clientWindow()},
        {"search form", &contact_search::searchWindow()},
        {"follow-ups list", &follow_ups_list::followUpsListWindow()},
        {"appointments list", &appointments_list::appointmentsListWindow()},
        {"add contacts", &add_contacts_list::addContactsWindow()},
        {"add appointments", &add_contacts_list::addAppointmentsWindow()},
        {"follow-up form", &follow_up_form::followUpFormWindow(Edition::FollowUp)},
        {"appointment form", &follow_up_form::followUpFormWindow(Edition::Appointment)},
        {"company-ID search", &company_id_search::companyIdSearchWindow()},
        {"downline panel", &downline_panel::panelWindow()},
        {"sponsor list", &sponsor_list::sponsorWindow()},
        {"levels list", &levels_list::levelsWindow()},
        {"up-line list", &upline_list::uplineWindow()},
        {"invoice list", &invoice_list::invoiceListWindow()},
        {"invoice form", &invoice_form::invoiceFormWindow()},
        {"invoice memo", &invoice_memo::invoiceMemoWindow()},
        {"item selector", &item_selector::itemSelectorWindow(1)},
        {"inventory list", &inventory_list::inventoryListWindow()},
        {"inventory form", &inventory_form::inventoryFormWindow()},
        {"company list", &company_list::companyListWindow()},
        {"company form", &company_form::companyFormWindow()},
        {"company chooser (invoices)",
         &company_chooser::companyChooserWindow(company_chooser::ChooserRoad::Invoices)},
        {"company chooser (envelopes)",
         &company_chooser::companyChooserWindow(company_chooser::ChooserRoad::Envelopes)},
        {"company chooser (shipping label)",
         &company_chooser::companyChooserWindow(company_chooser::ChooserRoad::ShippingLabel)},
        {"label type choice", &label_type_choice::labelTypeChoiceWindow()},
        {"business card list", &business_card_list::businessCardListWindow()},
        {"business card form", &business_card_form::businessCardFormWindow()},
        {"checks to print", &checks_to_print::checksToPrintWindow()},
        {"check form", &check_form::checkFormWindow()},
        {"check register", &check_register::checkRegisterWindow()},
        {"check search", &check_search::checkSearchWindow()},
        {"payee list", &payee_list::payeeListWindow()},
        {"payee form", &payee_form::payeeFormWindow()},
        {"monthly drafts", &monthly_drafts::monthlyDraftsWindow()},
        {"draft client selection", &draft_client_selection::draftClientWindow()},
        {"draft form", &draft_form::draftFormWindow()},
        {"starting check number", &starting_check_number::startingCheckNumberWindow()},
        {"draft search", &draft_search::draftSearchWindow()},
        {"blank checks", &blank_checks::blankChecksWindow()},
        {"blank check form", &blank_check_form::blankCheckFormWindow()},
        {"last check number", &last_check_number::lastCheckNumberWindow()},
        {"information list", &information_list::informationListWindow()},
        {"information form", &text_form::informationFormWindow()},
        {"help list", &help_list::helpListWindow()},
        {"help form", &text_form::helpFormWindow()},
        {"product list", &product_list::productListWindow()},
        {"product form", &product_form::productFormWindow()},
        {"private label menu", &private_label_menu::privateLabelWindow()},
        {"what else is needed (edit)", &what_else_needed::editWhatElseWindow()},
        {"what else is needed (show)", &what_else_needed::showWhatElseWindow()},
        {"import and export menu", &import_export_menu::importExportMenuWindow()},
        {"export chooser (contacts)", &export_chooser::exportChooserWindow("Tovik041")},
        {"export chooser (checks)", &export_chooser::exportChooserWindow("Tovik044")},
        {"import assigner (contacts)", &import_assigner::importAssignerWindow("Tovik042")},
        {"import assigner (checks)", &import_assigner::importAssignerWindow("Tovik043")},
        {"enter picture", &enter_picture::enterPictureWindow()},
        {"web list", &web_list::webListWindow()},
        {"web form", &web_form::webFormWindow()},
        {"zip look-up", &zip_lookup::zipLookupWindow()},
        {"zip list", &zip_list::zipListWindow()},
        {"zip form", &zip_form::zipFormWindow()},
        {"area-code look-up", &area_code_lookup::areaLookupWindow()},
        {"area-code list", &area_code_list::areaListWindow()},
        {"area-code form", &area_code_form::areaFormWindow()},
        {"match type", &search_by_example::matchTypeWindow()},
        {"upper limit", &search_by_example::upperLimitWindow()},
        {"begin search", &search_by_example::beginSearchWindow()},
        {"report destination", &report_destination::destinationWindow()},
        {"print options", &report_destination::printOptionsWindow()},
        {"calendar", &calendar::calendarWindow()},
        {"calculator", &calculator::calculatorWindow()},
        {"report preview", &report_preview::previewWindow()},
        {"basic preview", &report_preview::basicPreviewWindow()},
        {"print range", &report_preview::printRangeWindow()},
        {"jump to page", &report_preview::jumpWindow()},
        {"preview display", &report_preview::displayWindow()},
        {"progress", &progressWindow("Tovik031")},
        {"tag counting", &tagCountingWindow()},
        {"tag clearing", &tagClearingWindow()},
    };
}

}  // namespace testsupport
