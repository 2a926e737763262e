#include "tools/StarterCatalog.h"

#include <QStringList>

namespace
{
// One department each, in walking order: its name, then its items, each
// "name" or "name/unit" (pkg when none is given).
const char* const kDepartments[] = {
    "Produce|Apples/lb|Bananas/lb|Oranges/lb|Lemons|Limes|Grapes/lb|Strawberries|Blueberries|Avocados|Tomatoes/lb|"
    "Potatoes/bag|Onions/lb|Garlic|Carrots/lb|Celery|Lettuce/head|Spinach|Broccoli/head|Cucumbers|Bell peppers|"
    "Mushrooms|Zucchini|Fresh herbs/bunch",
    "Bakery|Bread/loaf|Bagels|Rolls|Tortillas|Pita bread|Muffins|Croissants|Cake|Cookies|Pie",
    "Deli|Sliced ham/lb|Sliced turkey/lb|Salami/lb|Cheddar cheese/lb|Swiss cheese/lb|Hummus|Olives|Potato salad|"
    "Rotisserie chicken/each|Coleslaw",
    "Meat and Fish|Chicken breasts/lb|Ground beef/lb|Steak/lb|Pork chops/lb|Bacon|Sausages|Salmon/lb|Shrimp/lb|"
    "Tuna steaks/lb|Chicken thighs/lb",
    "Dairy|Milk/gal|Butter|Eggs/dozen|Yogurt|Cream cheese|Sour cream|Heavy cream|Shredded cheese|Parmesan|"
    "Mozzarella|Cottage cheese|Orange juice/carton",
    "Canned Goods|Canned tomatoes/can|Tomato sauce/can|Black beans/can|Chickpeas/can|Tuna/can|Soup/can|Corn/can|"
    "Coconut milk/can|Tomato paste/can|Green beans/can",
    "Pasta and Grains|Spaghetti|Penne|Rice/bag|Quinoa|Oats|Couscous|Noodles|Flour/bag|Bread crumbs|Lentils/bag",
    "Baking and Spices|Sugar/bag|Brown sugar|Baking soda|Baking powder|Vanilla extract|Salt|Black pepper|Cinnamon|"
    "Paprika|Chili powder|Olive oil/bottle|Vegetable oil/bottle|Vinegar/bottle",
    "Breakfast and Snacks|Cereal/box|Granola|Peanut butter/jar|Jam/jar|Honey/jar|Maple syrup/bottle|Crackers/box|"
    "Chips/bag|Pretzels/bag|Popcorn|Nuts/bag|Chocolate",
    "Condiments|Ketchup/bottle|Mustard/jar|Mayonnaise/jar|Soy sauce/bottle|Hot sauce/bottle|Salad dressing/bottle|"
    "Salsa/jar|Pickles/jar|Barbecue sauce/bottle|Pesto/jar",
    "Drinks|Coffee/bag|Tea/box|Sparkling water|Soda|Juice/bottle|Beer|Wine/bottle|Bottled water",
    "Household|Paper towels/roll|Toilet paper|Dish soap/bottle|Laundry detergent|Trash bags/box|Aluminum foil|"
    "Plastic wrap|Sponges|Hand soap|Shampoo/bottle|Toothpaste|Batteries",
    "Frozen|Frozen peas/bag|Frozen berries/bag|Ice cream|Frozen pizza/each|Frozen vegetables/bag|Fish sticks/box|"
    "Frozen fries/bag|Ice/bag",
};
} // namespace

int StarterCatalog::departmentCount()
{
    return static_cast<int>(std::size(kDepartments));
}

TransferFile StarterCatalog::items()
{
    TransferFile file;
    file.format = TransferFile::Format::PlainText;
    int line = 0;
    for (int order = 0; order < departmentCount(); ++order) {
        const QStringList parts = QString::fromLatin1(kDepartments[order]).split(QLatin1Char('|'));
        for (qsizetype i = 1; i < parts.size(); ++i) {
            const QString name = parts.at(i).section(QLatin1Char('/'), 0, 0);
            const QString unit = parts.at(i).section(QLatin1Char('/'), 1, 1);
            TransferRecord record;
            record.line = ++line;
            record.set(TransferColumns::ItemName, SqlValue::text(name));
            record.set(TransferColumns::QtyToBuy, SqlValue::integer(0));
            record.set(TransferColumns::UnitOfPurchase, SqlValue::text(unit.isEmpty() ? QStringLiteral("pkg") : unit));
            record.set(TransferColumns::Dept, SqlValue::text(parts.first()));
            record.set(TransferColumns::Store, SqlValue::text(QStringLiteral("Grocery")));
            record.set(TransferColumns::DeptOrder, SqlValue::integer(order));
            file.records.push_back(std::move(record));
        }
    }
    return file;
}
