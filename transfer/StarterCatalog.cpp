#include "transfer/StarterCatalog.h"

#include <QCoreApplication>

namespace
{
// A department's name (unit nullptr), or an item's name and what it is sold
// by. Each name is translated on its own, so that a translation may give an
// item the name and the unit its own country shops by ("kg" for "lb").
struct Entry
{
    const char* name;
    const char* unit;
};

// What each item is sold by.
//: What an item is sold by, in the country's own units ("kg" for "lb") and
//: short enough for the narrow unit column, as "Pck." or "paq.".
const char* const kUnitLb = QT_TRANSLATE_NOOP("StarterCatalog", "lb");
const char* const kUnitPkg = QT_TRANSLATE_NOOP("StarterCatalog", "pkg");
const char* const kUnitBag = QT_TRANSLATE_NOOP("StarterCatalog", "bag");
const char* const kUnitHead = QT_TRANSLATE_NOOP("StarterCatalog", "head");
const char* const kUnitBunch = QT_TRANSLATE_NOOP("StarterCatalog", "bunch");
const char* const kUnitLoaf = QT_TRANSLATE_NOOP("StarterCatalog", "loaf");
const char* const kUnitEach = QT_TRANSLATE_NOOP("StarterCatalog", "each");
const char* const kUnitGal = QT_TRANSLATE_NOOP("StarterCatalog", "gal");
const char* const kUnitDozen = QT_TRANSLATE_NOOP("StarterCatalog", "dozen");
const char* const kUnitCarton = QT_TRANSLATE_NOOP("StarterCatalog", "carton");
const char* const kUnitCan = QT_TRANSLATE_NOOP("StarterCatalog", "can");
const char* const kUnitBottle = QT_TRANSLATE_NOOP("StarterCatalog", "bottle");
const char* const kUnitBox = QT_TRANSLATE_NOOP("StarterCatalog", "box");
const char* const kUnitJar = QT_TRANSLATE_NOOP("StarterCatalog", "jar");
const char* const kUnitRoll = QT_TRANSLATE_NOOP("StarterCatalog", "roll");

// The departments in walking order, each followed by its items.
const Entry kEntries[] = {
    //: The departments and items are a household's everyday groceries: name
    //: each as shoppers of the country do, or a close local one.
    {QT_TRANSLATE_NOOP("StarterCatalog", "Produce"), nullptr},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Apples"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Bananas"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Oranges"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Lemons"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Limes"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Grapes"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Strawberries"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Blueberries"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Avocados"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Tomatoes"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Potatoes"), kUnitBag},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Onions"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Garlic"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Carrots"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Celery"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Lettuce"), kUnitHead},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Spinach"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Broccoli"), kUnitHead},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Cucumbers"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Bell peppers"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Mushrooms"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Zucchini"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Fresh herbs"), kUnitBunch},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Bakery"), nullptr},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Bread"), kUnitLoaf},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Bagels"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Rolls"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Tortillas"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Pita bread"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Muffins"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Croissants"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Cake"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Cookies"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Pie"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Deli"), nullptr},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Sliced ham"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Sliced turkey"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Salami"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Cheddar cheese"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Swiss cheese"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Hummus"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Olives"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Potato salad"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Rotisserie chicken"), kUnitEach},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Coleslaw"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Meat and Fish"), nullptr},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Chicken breasts"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Ground beef"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Steak"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Pork chops"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Bacon"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Sausages"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Salmon"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Shrimp"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Tuna steaks"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Chicken thighs"), kUnitLb},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Dairy"), nullptr},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Milk"), kUnitGal},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Butter"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Eggs"), kUnitDozen},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Yogurt"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Cream cheese"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Sour cream"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Heavy cream"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Shredded cheese"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Parmesan"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Mozzarella"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Cottage cheese"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Orange juice"), kUnitCarton},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Canned Goods"), nullptr},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Canned tomatoes"), kUnitCan},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Tomato sauce"), kUnitCan},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Black beans"), kUnitCan},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Chickpeas"), kUnitCan},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Tuna"), kUnitCan},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Soup"), kUnitCan},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Corn"), kUnitCan},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Coconut milk"), kUnitCan},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Tomato paste"), kUnitCan},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Green beans"), kUnitCan},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Pasta & Grains"), nullptr},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Spaghetti"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Penne"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Rice"), kUnitBag},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Quinoa"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Oats"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Couscous"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Noodles"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Flour"), kUnitBag},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Bread crumbs"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Lentils"), kUnitBag},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Baking & Spices"), nullptr},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Sugar"), kUnitBag},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Brown sugar"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Baking soda"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Baking powder"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Vanilla extract"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Salt"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Black pepper"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Cinnamon"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Paprika"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Chili powder"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Olive oil"), kUnitBottle},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Vegetable oil"), kUnitBottle},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Vinegar"), kUnitBottle},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Cereal & Snacks"), nullptr},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Cereal"), kUnitBox},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Granola"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Peanut butter"), kUnitJar},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Jam"), kUnitJar},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Honey"), kUnitJar},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Maple syrup"), kUnitBottle},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Crackers"), kUnitBox},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Chips"), kUnitBag},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Pretzels"), kUnitBag},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Popcorn"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Nuts"), kUnitBag},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Chocolate"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Condiments"), nullptr},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Ketchup"), kUnitBottle},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Mustard"), kUnitJar},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Mayonnaise"), kUnitJar},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Soy sauce"), kUnitBottle},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Hot sauce"), kUnitBottle},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Salad dressing"), kUnitBottle},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Salsa"), kUnitJar},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Pickles"), kUnitJar},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Barbecue sauce"), kUnitBottle},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Pesto"), kUnitJar},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Drinks"), nullptr},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Coffee"), kUnitBag},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Tea"), kUnitBox},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Sparkling water"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Soda"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Juice"), kUnitBottle},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Beer"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Wine"), kUnitBottle},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Bottled water"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Household"), nullptr},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Paper towels"), kUnitRoll},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Toilet paper"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Dish soap"), kUnitBottle},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Laundry detergent"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Trash bags"), kUnitBox},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Aluminum foil"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Plastic wrap"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Sponges"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Hand soap"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Shampoo"), kUnitBottle},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Toothpaste"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Batteries"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Frozen"), nullptr},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Frozen peas"), kUnitBag},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Frozen berries"), kUnitBag},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Ice cream"), kUnitPkg},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Frozen pizza"), kUnitEach},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Frozen vegetables"), kUnitBag},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Fish sticks"), kUnitBox},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Frozen fries"), kUnitBag},
    {QT_TRANSLATE_NOOP("StarterCatalog", "Ice"), kUnitBag},
};

//: The store the common groceries are in.
const char* const kStore = QT_TRANSLATE_NOOP("StarterCatalog", "Grocery");

QString translated(const char* text)
{
    return QCoreApplication::translate("StarterCatalog", text);
}
} // namespace

int StarterCatalog::departmentCount()
{
    int count = 0;
    for (const Entry& entry : kEntries) {
        count += entry.unit == nullptr ? 1 : 0;
    }
    return count;
}

TransferFile StarterCatalog::items()
{
    TransferFile file;
    file.format = TransferFile::Format::PlainText;
    const QString store = translated(kStore);
    QString dept;
    int order = -1;
    int line = 0;
    for (const Entry& entry : kEntries) {
        if (entry.unit == nullptr) {
            dept = translated(entry.name);
            ++order;
            continue;
        }
        TransferRecord record;
        record.line = ++line;
        record.set(TransferColumns::ItemName, SqlValue::text(translated(entry.name)));
        record.set(TransferColumns::QtyToBuy, SqlValue::integer(0));
        record.set(TransferColumns::UnitOfPurchase, SqlValue::text(translated(entry.unit)));
        record.set(TransferColumns::Dept, SqlValue::text(dept));
        record.set(TransferColumns::Store, SqlValue::text(store));
        record.set(TransferColumns::DeptOrder, SqlValue::integer(order));
        file.records.push_back(std::move(record));
    }
    return file;
}
