// "Software Name" (AddProductName): the product records in record order; the first is the
// one the program shows.
#include "frame/browse_engine.h"
#include "information/information_procedures.h"
#include "information/product_list_window.h"
#include "records/plf.h"

namespace {

namespace C = windows::product_list::ProductListControl;

class ProductList : public BrowseProcedure {
  public:
    ProductList() : BrowseProcedure(windows::product_list::productListWindow(), sheet()) {}

    static BrowseSheet sheet() {
        BrowseSheet s;
        s.file = &PLF;
        s.displayName = "PLF";
        s.list = C::List;
        s.tabs = C::Sheet;
        s.columns = {PLF::PRODUCTNAME.index()};
        s.buttons.insert = C::Insert;
        s.buttons.change = C::Change;
        s.buttons.remove = C::Delete;
        s.buttons.close = C::Close;
        s.updateForm = [] { UpdatePLF(); };
        s.popupText = "&Insert|&Change Software Name Etc|&Delete";
        s.popupTextEmpty = "&Insert|~&Change Software Name Etc|~&Delete";
        s.popupButtons = {C::Insert, C::Change, C::Delete};
        s.resizable = true;
        return s;
    }
};

}  // namespace

void AddProductName() {
    ProductList().run();
}
