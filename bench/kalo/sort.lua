math.randomseed(1)
local a = {}
for i = 1, 100000 do a[i] = math.random(0, 32767) end
table.sort(a, function(x, y) return x < y end)
print(a[1] .. " " .. a[100000])
