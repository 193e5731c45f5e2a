[Pluvo 7.0.7]
måndag (veckans första dag)
tisdag (dagen efter måndag)
onsdag (mitt i veckan)
torsdag (dagen före fredag)
fredag (sista skoldagen i veckan)
lördag (dagen före söndag)
söndag (veckans sista dag)
